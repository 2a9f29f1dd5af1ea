#include "gui/app/control_panel_app.h"

int main(int argc, char** argv) {
    return varden::RunControlPanelApp(argc, argv);
}
