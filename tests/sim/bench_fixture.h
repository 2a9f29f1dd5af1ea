// Loads the three simulated driver libraries from the build's bin folder the way the panel does
// (dlopen of the file, dlsym of every export by name) and runs each test on a freshly described
// bench with the simulated clock.
#pragma once

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/drivers/driver_abi.h"
#include "sim/bench_control.h"

namespace varden::sim::test {

#define SIM_TABLE_ENTRY(ret, name, params) ret(*name) params = nullptr;
struct LampApi {
    LAMP_API_ENTRIES(SIM_TABLE_ENTRY)
};
struct MeterApi {
    METER_API_ENTRIES(SIM_TABLE_ENTRY)
};
struct LedApi {
    LED_API_ENTRIES(SIM_TABLE_ENTRY)
};
#undef SIM_TABLE_ENTRY

inline std::string LibraryPath(const char* file) {
    return std::string(VARDEN_BIN_DIR) + "/" + file;
}

inline void* OpenLibrary(const char* file) {
    void* handle = dlopen(LibraryPath(file).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        ADD_FAILURE() << "dlopen " << file << ": " << dlerror();
    }
    return handle;
}

// Binds every entry of a table by export name; returns the names that are missing.
#define SIM_BIND_ENTRY(ret, name, params)                             \
    api.name = reinterpret_cast<ret(*) params>(dlsym(handle, #name)); \
    if (api.name == nullptr) {                                        \
        missing.push_back(#name);                                     \
    }

inline std::vector<std::string> Bind(void* handle, LampApi& api) {
    std::vector<std::string> missing;
    LAMP_API_ENTRIES(SIM_BIND_ENTRY)
    return missing;
}
inline std::vector<std::string> Bind(void* handle, MeterApi& api) {
    std::vector<std::string> missing;
    METER_API_ENTRIES(SIM_BIND_ENTRY)
    return missing;
}
inline std::vector<std::string> Bind(void* handle, LedApi& api) {
    std::vector<std::string> missing;
    LED_API_ENTRIES(SIM_BIND_ENTRY)
    return missing;
}
#undef SIM_BIND_ENTRY

// 2013-03-14 12:00:00 UTC.
constexpr double kBenchStart = 1363262400.0;

class BenchTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        static bool bound = false;
        if (!bound) {
            bound = Bind(OpenLibrary(LAMP_LIBRARY_FILE), lamp).empty() &&
                    Bind(OpenLibrary(METER_LIBRARY_FILE), meter).empty() &&
                    Bind(OpenLibrary(LED_LIBRARY_FILE), led).empty();
            ASSERT_TRUE(bound) << "the simulated driver libraries did not bind";
        }
    }

    void SetUp() override { Describe(""); }

    // Starts the test on the bench that `description` describes, at kBenchStart.
    void Describe(const char* description) {
        bench_use_simulated_clock(kBenchStart);
        ASSERT_EQ(bench_load(description), 0);
    }

    // The meter's reading in watts, averaged over a few readings to calm its noise.
    static double MeterWatts(unsigned short unit = 0, int readings = 8) {
        double sum = 0.0;
        for (int i = 0; i < readings; ++i) {
            float watts = -1.0f;
            EXPECT_NE(meter.GetOutputPower(unit, &watts), 0);
            sum += watts;
        }
        return sum / readings;
    }

    static inline LampApi lamp;
    static inline MeterApi meter;
    static inline LedApi led;
};

}  // namespace varden::sim::test
