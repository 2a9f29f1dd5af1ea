// The stability export of a long record (1,000,000 samples, 10,000 events) beside writing the
// same bytes with one fwrite, and the memory such a record holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/app/control_panel_dlg.h"
#include "core/platform/system_clock.h"
#include "support/fake_instruments.h"
#include "support/fake_library_loader.h"
#include "support/memory_profile_store.h"
#include "support/recording_controls.h"
#include "support/scripted_shell.h"

namespace varden::testing {
namespace {

constexpr uint32_t kSamples = 1'000'000;
constexpr uint32_t kEventEvery = 100;  // 10,000 events
constexpr uint32_t kInterval = 10;

// A controller on the real clock (so local times are converted as on the workstation) whose
// record is filled as a recording of about four months would fill it.
struct LongRecord {
    LongRecord() {
        dlg.calDueDate = {3, 14, 14};
        dlg.record.Create();
        for (uint32_t i = 1; i <= kSamples; ++i) {
            dlg.record.samples.Append(
                StabilitySample{i * kInterval, static_cast<double>(i % 2000) / 100.0 - 10.0});
            if (i % kEventEvery == 0) {
                dlg.AppendEvent(
                    i % (2 * kEventEvery) == 0 ? "Shutter Closed" : "refocused, slide 2",
                    i * kInterval + 5);
            }
        }
    }

    CallLog log;
    FakeInstruments fake{log};
    RecordingTabPanel tab{log};
    RecordingButtonPanel buttons{log};
    RecordingStripChart chart{log};
    ScriptedShell shell{log};
    SystemClock clock;
    MemoryProfileStore profile{log};
    FakeLibraryLoader loader{log, fake};
    CVardenControlPanelDlg dlg{
        ControlPanelEnvironment{shell, profile, clock, loader, tab, buttons, chart}};
};

LongRecord& Record() {
    static LongRecord record;
    return record;
}

std::string ExportPath() {
    return (std::filesystem::temp_directory_path() / "varden_export_bench.csv").string();
}

void BM_StabilityExport(benchmark::State& state) {
    LongRecord& r = Record();
    for (auto _ : state) {
        r.shell.savePaths = {ExportPath()};
        r.log.Clear();
        r.dlg.unsaved = true;
        r.dlg.OnSaveStabilityGraphDataAs();
        if (r.dlg.unsaved) {
            state.SkipWithError("export failed");
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<int64_t>(std::filesystem::file_size(ExportPath())));
}
BENCHMARK(BM_StabilityExport)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the bytes of the same file, already formatted, written with a single fwrite.
void BM_FwriteSameBytes(benchmark::State& state) {
    Record();
    std::string bytes;
    {
        LongRecord& r = Record();
        r.shell.savePaths = {ExportPath()};
        r.dlg.OnSaveStabilityGraphDataAs();
        std::ifstream in(ExportPath(), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        bytes = text.str();
    }
    for (auto _ : state) {
        std::FILE* file = std::fopen(ExportPath().c_str(), "wb+");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_FwriteSameBytes)->Unit(benchmark::kMillisecond)->UseRealTime();

// The heap a record of 1,000,000 samples takes, per sample, measured by the allocator.
void BM_RecordMemory(benchmark::State& state) {
    double bytesPerSample = 0;
    for (auto _ : state) {
        const std::size_t before = mallinfo2().uordblks;
        auto record = std::make_unique<StabilityRecord>();
        record->Create();
        for (uint32_t i = 1; i <= kSamples; ++i) {
            record->samples.Append(StabilitySample{i * kInterval, 0.5});
        }
        const std::size_t after = mallinfo2().uordblks;
        bytesPerSample = static_cast<double>(after - before) / kSamples;
        benchmark::DoNotOptimize(record);
    }
    state.counters["heap_bytes_per_sample"] = bytesPerSample;
}
BENCHMARK(BM_RecordMemory)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace varden::testing

BENCHMARK_MAIN();
