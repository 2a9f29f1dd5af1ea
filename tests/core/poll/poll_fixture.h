#pragma once

#include <string>
#include <vector>

#include "support/controller_fixture.h"

namespace varden::testing {

using Log = std::vector<std::string>;

// One entry per line, so that a failing comparison of two logs shows a line diff.
inline std::string Lines(const Log& entries) {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry + "\n";
    }
    return text;
}

inline Log Concat(std::initializer_list<Log> parts) {
    Log all;
    for (const Log& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

// What every tick starts with.
inline const Log kRefreshAndCounts{
    "lamp.UpdateData()", "meter.UpdateData()", "lamp.GetNumDevicesConnected()",
    "meter.GetNumDevicesConnected()", "led.GetNumDevicesConnected()"};

// A controller with the fake drivers installed and the snapshot axes already restored, so that
// ticks show only the instruments' traffic.
class PollFixture : public ControllerFixture {
  protected:
    void SetUp() override {
        InstallDrivers();
        dlg.axesPending = false;
    }
    // Runs one tick and hands back what it did.
    Log Tick() {
        log.Clear();
        Ticks(1);
        return log.Take();
    }
    Log TickWithout(std::initializer_list<std::string> prefixes) {
        log.Clear();
        Ticks(1);
        Log entries = log.Without(prefixes);
        log.Clear();
        return entries;
    }
};

}  // namespace varden::testing
