#pragma once

#include <gtest/gtest.h>

#include "core/app/control_panel_dlg.h"
#include "support/call_log.h"
#include "support/fake_clock.h"
#include "support/fake_instruments.h"
#include "support/fake_library_loader.h"
#include "support/memory_profile_store.h"
#include "support/recording_controls.h"
#include "support/scripted_shell.h"

namespace varden::testing {

// A controller wired to fakes that all write one call log. The controller is destroyed first,
// so its shutdown calls still reach the fake instruments. The tab panel's events (SelectPage's
// page event included) go to the controller.
struct ControllerHarness {
    ControllerHarness();
    ControllerHarness(const ControllerHarness&) = delete;
    ControllerHarness& operator=(const ControllerHarness&) = delete;

    // Gives the controller the fake driver tables as a successful start-up would, without
    // running the binding or the rest of the start-up, and clears the log.
    void InstallDrivers();
    // Runs the whole start-up through the fake loader.
    bool Start() { return dlg.OnInitDialog(); }
    // Runs `count` poll ticks, advancing the clock by 100 ms before each.
    void Ticks(int count);

    CallLog log;
    FakeInstruments fake{log};
    RecordingTabPanel tab{log};
    RecordingButtonPanel buttons{log};
    RecordingStripChart chart{log};
    ScriptedShell shell{log};
    FakeClock clock{log};
    MemoryProfileStore profile{log};
    FakeLibraryLoader loader{log, fake};
    CVardenControlPanelDlg dlg{
        ControlPanelEnvironment{shell, profile, clock, loader, tab, buttons, chart}};
};

// The same as a GoogleTest fixture.
class ControllerFixture : public ::testing::Test, public ControllerHarness {};

}  // namespace varden::testing
