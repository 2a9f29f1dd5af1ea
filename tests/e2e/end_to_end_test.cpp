// Starts the real program offscreen beside driver libraries built for the tests, which record
// every call, and checks that it binds, ticks and releases the lamp when it is told to end.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

const char* const kLibraries[] = {"Orvane ovata.dll", "VardenComm.dll", "Tarsa-Comm.dll"};

// A folder with a copy of the program and the three libraries of a variant (the lamp library
// may come from another variant), as an installation would have them.
class Installation {
  public:
    Installation(const std::string& variant, const std::string& lampVariant) {
        folder_ = fs::temp_directory_path() /
                  ("varden_e2e_" + std::to_string(getpid()) + "_" + variant + "_" + lampVariant);
        fs::remove_all(folder_);
        fs::create_directories(folder_ / "config");
        fs::copy_file(VARDEN_PANEL_EXECUTABLE, folder_ / "VardenControlPanel");
        for (const char* library : kLibraries) {
            const std::string& from = library == kLibraries[0] ? lampVariant : variant;
            fs::copy_file(fs::path(VARDEN_TEST_DRIVERS_DIR) / from / library, folder_ / library);
        }
    }
    ~Installation() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // Starts the program; the libraries log to calls.log.
    pid_t Start() const {
        std::vector<std::string> env;
        for (char** e = environ; *e != nullptr; ++e) {
            env.emplace_back(*e);
        }
        env.push_back("QT_QPA_PLATFORM=offscreen");
        env.push_back("VARDEN_TEST_CALL_LOG=" + (folder_ / "calls.log").string());
        env.push_back("XDG_CONFIG_HOME=" + (folder_ / "config").string());
        std::vector<char*> envp;
        for (std::string& e : env) {
            envp.push_back(e.data());
        }
        envp.push_back(nullptr);
        std::string program = (folder_ / "VardenControlPanel").string();
        char* argv[] = {program.data(), nullptr};
        pid_t pid = 0;
        EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
        return pid;
    }

    std::vector<std::string> Calls() const {
        std::vector<std::string> calls;
        std::ifstream in(folder_ / "calls.log");
        for (std::string line; std::getline(in, line);) {
            calls.push_back(line);
        }
        return calls;
    }

    long Count(const std::string& call) const {
        auto calls = Calls();
        return std::count(calls.begin(), calls.end(), call);
    }

  private:
    fs::path folder_;
};

// Waits for the process to end; its exit status, or -1 when it had to be killed.
int WaitForExit(pid_t pid, std::chrono::seconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        std::this_thread::sleep_for(50ms);
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

TEST(EndToEndTest, BindsTicksAndReleasesTheLampAtExit) {
    Installation install("v1_1", "v1_1");
    const pid_t pid = install.Start();
    // Ten ticks a second: wait for a few, with room for a slow machine.
    const auto deadline = std::chrono::steady_clock::now() + 20s;
    while (install.Count("meter.UpdateData()") < 6 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(100ms);
    }
    EXPECT_GE(install.Count("meter.UpdateData()"), 6) << "the program does not tick";
    kill(pid, SIGTERM);
    EXPECT_EQ(WaitForExit(pid, 20s), 0);

    std::vector<std::string> calls = install.Calls();
    ASSERT_GE(calls.size(), 4u);
    const std::vector<std::string> tail(calls.end() - 4, calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"lamp.DisconnectPC(0)", "lamp.UpdateData()",
                                              "lamp.UpdateData()", "led.DeviceActive(0)"}));
    EXPECT_EQ(install.Count("lamp.DisableShutterControl(0)"), 1);
}

TEST(EndToEndTest, StopsAtTheFirstLibraryThatFailsToBind) {
    Installation install("v1_1", "missing_export");
    const pid_t pid = install.Start();
    // The failure message waits for the operator; an end request closes it and the program.
    std::this_thread::sleep_for(1500ms);
    kill(pid, SIGTERM);
    EXPECT_EQ(WaitForExit(pid, 20s), 0);
    EXPECT_TRUE(install.Calls().empty()) << "no library may be called";
}

}  // namespace
