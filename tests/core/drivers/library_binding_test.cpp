// Binding against real shared objects built for the purpose: versions, missing version records,
// missing files, exports and dependencies, and the meter discovery at binding.
#include "core/drivers/library_binding.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>

#include "core/app/control_panel_dlg.h"
#include "core/drivers/linux_library_loader.h"
#include "support/call_log.h"
#include "support/fake_clock.h"
#include "support/memory_profile_store.h"
#include "support/recording_controls.h"
#include "support/scripted_shell.h"

namespace varden::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kDrivers = VARDEN_TEST_DRIVERS_DIR;

enum Lib { kLamp, kMeter, kLed };
const char* const kFile[] = {"Orvane ovata.dll", "VardenComm.dll", "Tarsa-Comm.dll"};
const char* const kCaption[] = {"Orvane ovata.DLL Module load failure",
                                "Varden.DLL Module load failure",
                                "Tarsa-Comm.DLL Module load failure"};

// A folder holding the three libraries: `family` from the variant folder (or absent when the
// variant is empty), the other two from the good 1.1 build. The driver calls go to one log file.
class DriverFolder {
  public:
    DriverFolder(Lib family, const std::string& variant) {
        static int counter = 0;
        folder_ = fs::temp_directory_path() /
                  ("varden_binding_" + std::to_string(getpid()) + "_" + std::to_string(++counter));
        fs::create_directories(folder_);
        for (Lib lib : {kLamp, kMeter, kLed}) {
            if (lib == family && variant.empty()) {
                continue;
            }
            const fs::path source = kDrivers / (lib == family ? variant : "v1_1") / kFile[lib];
            fs::create_symlink(source, folder_ / kFile[lib]);
        }
        callLog_ = folder_ / "calls.log";
        setenv("VARDEN_TEST_CALL_LOG", callLog_.c_str(), 1);
    }
    ~DriverFolder() {
        unsetenv("VARDEN_TEST_CALL_LOG");
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    const fs::path& Path() const { return folder_; }

    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        std::ifstream in(callLog_);
        for (std::string line; std::getline(in, line);) {
            calls.push_back(line);
        }
        return calls;
    }

  private:
    fs::path folder_;
    fs::path callLog_;
};

// A controller that binds through the Linux loader from one folder only.
struct BindingHarness {
    explicit BindingHarness(const fs::path& folder)
        : loader(std::vector<std::string>{folder.string()}) {}

    CallLog log;
    ScriptedShell shell{log};
    MemoryProfileStore profile{log};
    FakeClock clock{log};
    RecordingTabPanel tab{log};
    RecordingButtonPanel buttons{log};
    RecordingStripChart chart{log};
    LinuxLibraryLoader loader;
    CVardenControlPanelDlg dlg{
        ControlPanelEnvironment{shell, profile, clock, loader, tab, buttons, chart}};
};

struct Outcome {
    std::optional<std::string> message;  // nothing: all three bound
    Lib failed = kLamp;
};

Outcome StartWith(Lib family, const std::string& variant,
                  std::vector<std::string>* calls = nullptr) {
    DriverFolder folder(family, variant);
    Outcome outcome;
    {
        BindingHarness h(folder.Path());
        h.dlg.OnInitDialog();
        std::vector<std::string> messages = h.log.Matching({"shell.ShowMessage"});
        if (!messages.empty()) {
            EXPECT_EQ(messages.size(), 1u);
            outcome.message = messages.front();
            EXPECT_TRUE(h.shell.closeRequested);
            EXPECT_EQ(h.shell.timerPeriod, 0) << "no tick may start after a failure";
        }
        // Bound flags follow the order lamp, meter, LED, up to the first failure.
        const bool bound[] = {h.dlg.lampBound != 0, h.dlg.meterBound != 0, h.dlg.ledBound != 0};
        for (Lib lib : {kLamp, kMeter, kLed}) {
            EXPECT_EQ(bound[lib], !outcome.message || lib < family) << kFile[lib];
        }
        h.dlg.lampBound = h.dlg.meterBound = h.dlg.ledBound = false;  // no shutdown calls
    }
    if (calls != nullptr) {
        *calls = folder.Calls();
    }
    return outcome;
}

std::string Message(const std::string& text, Lib lib) {
    return "shell.ShowMessage(" + text + "|" + kCaption[lib] + ")";
}

TEST(LibraryBindingTest, VersionRuleOfEachFamily) {
    struct Case {
        const char* variant;
        bool lampAndMeterAccept;
        bool ledAccepts;
    };
    for (Case c : {Case{"v1_1", true, true}, Case{"v2_0", false, true}, Case{"v1_0", false, true},
                   Case{"v0_9", false, false}}) {
        for (Lib lib : {kLamp, kMeter, kLed}) {
            SCOPED_TRACE(std::string(c.variant) + " " + kFile[lib]);
            const bool accepted = lib == kLed ? c.ledAccepts : c.lampAndMeterAccept;
            Outcome outcome = StartWith(lib, c.variant);
            if (accepted) {
                EXPECT_FALSE(outcome.message);
            } else {
                EXPECT_EQ(outcome.message, Message("Incompatible DLL Version!", lib));
            }
        }
    }
}

TEST(LibraryBindingTest, EachFailureShowsItsMessageWithTheLibrarysCaption) {
    struct Case {
        const char* variant;
        const char* message;
    };
    for (Case c : {Case{"", "Unable to obtain DLL version information!"},
                   Case{"no_note", "Unable to obtain DLL version information!"},
                   Case{"short_note", "Unable to obtain DLL version information!"},
                   Case{"missing_dependency", "DLL Module not Found!"},
                   Case{"undefined_symbol", "DLL Module not Loaded! Error Code: 127"},
                   Case{"missing_export", "Unable to load all DLL functions!"}}) {
        for (Lib lib : {kLamp, kMeter, kLed}) {
            SCOPED_TRACE(std::string(c.variant) + " " + kFile[lib]);
            EXPECT_EQ(StartWith(lib, c.variant).message, Message(c.message, lib));
        }
    }
}

TEST(LibraryBindingTest, LampFailureLeavesTheOtherLibrariesUntouched) {
    std::vector<std::string> calls;
    Outcome outcome = StartWith(kLamp, "missing_export", &calls);
    EXPECT_EQ(outcome.message, Message("Unable to load all DLL functions!", kLamp));
    EXPECT_TRUE(calls.empty()) << "no library may be called: " << calls.front();
}

TEST(LibraryBindingTest, UnloadableFileGivesTheLoadersErrorCode) {
    // A library whose header says "relocatable object": its version is readable, the load fails.
    const fs::path folder = fs::temp_directory_path() / "varden_binding_bad_format";
    fs::create_directories(folder);
    const fs::path broken = folder / kFile[kLamp];
    fs::copy_file(kDrivers / "v1_1" / kFile[kLamp], broken, fs::copy_options::overwrite_existing);
    {
        std::fstream file(broken, std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(16);  // e_type
        file.put(1);     // ET_REL
    }
    BindingHarness h(folder);
    h.dlg.OnInitDialog();
    EXPECT_EQ(h.log.Matching({"shell.ShowMessage"}),
              (std::vector<std::string>{Message("DLL Module not Loaded! Error Code: 193", kLamp)}));
    fs::remove_all(folder);
}

TEST(LibraryBindingTest, MeterBindingSetsUpEveryActiveUnitAndKeepsTheHighest) {
    setenv("VARDEN_TEST_METER_COUNT", "3", 1);
    setenv("VARDEN_TEST_METER_ACTIVE", "0,2", 1);
    std::vector<std::string> calls;
    DriverFolder folder(kMeter, "v1_1");
    {
        BindingHarness h(folder.Path());
        ASSERT_TRUE(h.dlg.OnInitDialog());
        EXPECT_EQ(h.dlg.meterDevice, 2);
        EXPECT_EQ(h.dlg.favouriteWavelengths[0], 0) << "start-up sets the favourites back to 0";
        EXPECT_FALSE(h.dlg.favouritesKnown);
        h.dlg.lampBound = h.dlg.meterBound = h.dlg.ledBound = false;
    }
    calls = folder.Calls();
    unsetenv("VARDEN_TEST_METER_COUNT");
    unsetenv("VARDEN_TEST_METER_ACTIVE");
    std::vector<std::string> meterCalls;
    for (const std::string& call : calls) {
        if (call.rfind("meter.", 0) == 0) {
            meterCalls.push_back(call);
        }
    }
    EXPECT_EQ(
        meterCalls,
        (std::vector<std::string>{
            "meter.UpdateData()", "meter.GetNumDevicesConnected()", "meter.DeviceActive(0)",
            "meter.SetHexMode(0)", "meter.GetFiveFreqSetPoints(0)", "meter.DeviceActive(1)",
            "meter.DeviceActive(2)", "meter.SetHexMode(2)", "meter.GetFiveFreqSetPoints(2)"}));
    EXPECT_EQ(calls.front(), "lamp.UpdateData()");
}

TEST(LibraryLocatorTest, ErrorCodesOfTheDynamicLoader) {
    const std::pair<const char*, long> cases[] = {
        {"libx.so: cannot open shared object file: No such file or directory", 126},
        {"/a/b.dll: undefined symbol: foo", 127},
        {"/a/b.dll: invalid ELF header", 193},
        {"/a/b.dll: wrong ELF class: ELFCLASS32", 193},
        {"/a/b.dll: cannot open shared object file: Permission denied", 5},
        {"/a/b.dll: cannot allocate memory in static TLS block", 1114},
    };
    for (auto [message, code] : cases) {
        EXPECT_EQ(LoadErrorCode(message), code) << message;
    }
}

}  // namespace
}  // namespace varden::testing
