#include "gui/app/control_panel_app.h"

#include <QApplication>
#include <QFileInfo>

#include "core/app/control_panel_dlg.h"
#include "core/drivers/linux_library_loader.h"
#include "core/platform/system_clock.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/main_window.h"
#include "gui/qsettings_profile_store.h"
#include "gui/qt_shell.h"
#include "gui/termination_signals.h"

namespace varden {

int RunControlPanelApp(int argc, char** argv) {
    QApplication app(argc, argv);
    // The profile lives under "Osterlin", in a part named after the program file.
    QCoreApplication::setOrganizationName(QStringLiteral("Osterlin"));
    QCoreApplication::setApplicationName(
        QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());

    MainWindow window;
    QtShell shell(window);
    QSettingsProfileStore profile;
    SystemClock clock;
    LinuxLibraryLoader loader;
    {
        CVardenControlPanelDlg controller(
            ControlPanelEnvironment{shell, profile, clock, loader, window.TabPanel(),
                                    window.ButtonPanel(), window.StripChart()});
        window.AttachController(&controller);
        TerminationSignals termination;
        QObject::connect(&termination, &TerminationSignals::TerminationRequested, &window,
                         [&shell] { shell.BeginTermination(); });

        controller.OnInitDialog();
        window.exec();

        window.DetachController();
    }  // the controller's destruction releases the light sources
    return 0;
}

}  // namespace varden
