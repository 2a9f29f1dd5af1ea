#include "support/controller_fixture.h"

namespace varden::testing {

ControllerHarness::ControllerHarness() {
    tab.raiseEvent = [this](int event, uint32_t a, uint32_t b, uint32_t c) {
        dlg.OnTabPanelEvent(event, a, b, c);
    };
}

void ControllerHarness::InstallDrivers() {
    fake.InstallInto(dlg);
    log.Clear();
}

void ControllerHarness::Ticks(int count) {
    for (int i = 0; i < count; ++i) {
        clock.milliseconds += 100;
        clock.now += clock.milliseconds / 1000;
        clock.milliseconds %= 1000;
        dlg.OnPollTick();
    }
}

}  // namespace varden::testing
