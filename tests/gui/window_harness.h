#pragma once

#include <QCoreApplication>

#include "core/app/control_panel_dlg.h"
#include "gui/controls/button_panel_widget.h"
#include "gui/controls/strip_chart_widget.h"
#include "gui/controls/tab_panel_widget.h"
#include "gui/main_window.h"
#include "gui/qt_shell.h"
#include "support/call_log.h"
#include "support/fake_clock.h"
#include "support/fake_instruments.h"
#include "support/fake_library_loader.h"
#include "support/memory_profile_store.h"

namespace varden::testing {

// The real window and shell around a controller on fake instruments, started and shown.
struct WindowHarness {
    CallLog log;
    FakeInstruments fake{log};
    MainWindow window;
    QtShell shell{window};
    MemoryProfileStore profile{log};
    FakeClock clock{log};
    FakeLibraryLoader loader{log, fake};
    CVardenControlPanelDlg dlg{ControlPanelEnvironment{shell, profile, clock, loader,
                                                       window.TabPanel(), window.ButtonPanel(),
                                                       window.StripChart()}};

    WindowHarness() {
        window.AttachController(&dlg);
        dlg.OnInitDialog();
        window.show();
        QCoreApplication::processEvents();
    }
    ~WindowHarness() { window.DetachController(); }
    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;
};

}  // namespace varden::testing
