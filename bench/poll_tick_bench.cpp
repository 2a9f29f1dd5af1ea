// The cost of one poll tick with a lamp source, an LED source and a power meter attached, next to
// the cost of making the same number of calls to empty functions. Drivers, panels, shell and
// clock answer at once, so what remains is the tick's own work around its calls.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <memory>

#include "core/app/control_panel_dlg.h"

namespace varden {
namespace {

// Calls made by the tick, counted only by the counting variant of the collaborators.
uint64_t g_calls = 0;

template <bool Count>
inline void Tally() {
    if constexpr (Count) {
        ++g_calls;
    }
}

// ---- In-process drivers: one lamp, one LED and one meter at unit 0 ----

template <typename T>
inline void Put(T* target, T value) {
    *target = value;
}

template <bool Count>
struct Drivers {
    static int Count0() { return Tally<Count>(), 1; }
    static int Refresh() { return Tally<Count>(), 1; }
    static int Active(unsigned short unit) { return Tally<Count>(), unit == 0 ? 1 : 0; }
    static int Command(unsigned short) { return Tally<Count>(), 1; }
    static int UnitStatus(unsigned short, int* a, int* b, int* c, int* d, int* e, int* f) {
        Tally<Count>();
        Put(a, 0), Put(b, 1), Put(c, 0), Put(d, 1), Put(e, 1), Put(f, 0);
        return 1;
    }
    static int UnitStatusExt(unsigned short, int* a, int* b, int* c, int* d) {
        Tally<Count>();
        Put(a, 1), Put(b, 0), Put(c, 1), Put(d, 1);
        return 1;
    }
    static int Word(unsigned short, unsigned short* value) {
        return Tally<Count>(), Put(value, static_cast<unsigned short>(1234)), 1;
    }
    static int Byte(unsigned short, unsigned char* value) {
        return Tally<Count>(), Put(value, static_cast<unsigned char>(42)), 1;
    }
    static int TwoBytes(unsigned short, unsigned char* a, unsigned char* b) {
        Tally<Count>();
        Put(a, static_cast<unsigned char>(40)), Put(b, static_cast<unsigned char>(45));
        return 1;
    }
    static int ThreeBytes(unsigned short, unsigned char* a, unsigned char* b, unsigned char* c) {
        Tally<Count>();
        Put(a, static_cast<unsigned char>(1)), Put(b, static_cast<unsigned char>(2));
        Put(c, static_cast<unsigned char>(3));
        return 1;
    }
    static int Factor(unsigned short) { return Tally<Count>(), 10000; }
    static int Watts(unsigned short, float* watts) {
        return Tally<Count>(), Put(watts, 0.0125f), 1;
    }
    static int Favourites(unsigned short, unsigned short* a, unsigned short* b, unsigned short* c,
                          unsigned short* d, unsigned short* e) {
        Tally<Count>();
        Put(a, static_cast<unsigned short>(405)), Put(b, static_cast<unsigned short>(488));
        Put(c, static_cast<unsigned short>(532)), Put(d, static_cast<unsigned short>(0));
        Put(e, static_cast<unsigned short>(0));
        return 1;
    }
    static int Text(unsigned short, char* text, int) { return Tally<Count>(), Put(text, '\0'), 1; }

    static LampApi Lamp() {
        LampApi api;
        api.GetNumDevicesConnected = Count0;
        api.UpdateData = Refresh;
        api.DeviceActive = Active;
        api.Identify = Command;
        api.SendIdentify = Command;
        api.GetUnitStatus = UnitStatus;
        api.GetUnitStatusext = UnitStatusExt;
        api.GetPercentageLevel = Word;
        api.GetOutputPower = Word;
        api.GetMultiplicationFactor = Factor;
        api.GetCalibrationTime = Byte;
        api.GetLampHours = Word;
        api.ReturnTemperatureReading = Byte;
        return api;
    }
    static LedApi Led() {
        LedApi api;
        api.GetNumDevicesConnected = Count0;
        api.DeviceActive = Active;
        api.SendIdentify = Command;
        api.GetUnitStatus = UnitStatus;
        api.GetUnitStatusext = UnitStatusExt;
        api.GetPercentageLevel = Word;
        api.GetCalibrationTime = Byte;
        api.GetLampHours = Word;
        api.ReturnTemperatureReading = TwoBytes;
        return api;
    }
    static MeterApi Meter() {
        MeterApi api;
        api.GetNumDevicesConnected = Count0;
        api.UpdateData = Refresh;
        api.DeviceActive = Active;
        api.SetHexMode = Command;
        api.GetWaveLength = Word;
        api.GetFiveFreqSetPoints = Favourites;
        api.RequestLGC = Text;
        api.GetOutputPower = Watts;
        api.RequestReference = Watts;
        return api;
    }
};

// ---- Panels, shell, profile, clock and loader that do nothing ----

#define BENCH_U8(name, ...)              \
    uint8_t name(__VA_ARGS__) override { \
        return Tally<Count>(), 0;        \
    }

template <bool Count>
class BenchTabPanel : public CVardentabsctrl1 {
  public:
    BENCH_U8(SetCaptionHeight, uint16_t)
    BENCH_U8(EnablePage, uint8_t, uint8_t)
    BENCH_U8(SelectPage, int8_t)
    BENCH_U8(ShowPower, float)
    BENCH_U8(ShowReference, float)
    BENCH_U8(ShowWavelength, uint16_t)
    BENCH_U8(ShowFavouriteWavelengths, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t)
    BENCH_U8(ShowSerialNumber, int16_t)
    BENCH_U8(ShowContrast, int16_t)
    BENCH_U8(ShowMeterVersion, int16_t)
    BENCH_U8(ShowMeterStatus1, uint8_t)
    BENCH_U8(ShowMeterStatus2, uint8_t)
    BENCH_U8(ShowModeFlag0, uint8_t)
    BENCH_U8(ShowModeFlag15, uint8_t)
    BENCH_U8(ShowModeFlag3, uint8_t)
    BENCH_U8(ShowModeFlag4, uint8_t)
    BENCH_U8(ShowModeFlag8, uint8_t)
    BENCH_U8(ShowModeFlag9, uint8_t)
    BENCH_U8(ShowModeFlag10, uint8_t)
    BENCH_U8(ShowModeFlag12, uint8_t)
    BENCH_U8(ShowCalDueDate, uint8_t, uint8_t, uint8_t)
    BENCH_U8(ShowOprCalDueDate, uint8_t, uint8_t, uint8_t)
    BENCH_U8(ShowMeterDateTime, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t)
    BENCH_U8(AddDataLogRow, uint16_t, const std::string&, float, uint8_t, uint16_t)
    BENCH_U8(ClearDataLog)
    BENCH_U8(GetDataLogCount, uint16_t*)
    BENCH_U8(GetDataLogRow, uint16_t, std::string*, uint16_t*, float*, uint16_t*)
    BENCH_U8(EnableStabilityStart, uint8_t)
    BENCH_U8(EnableStabilityPause, uint8_t)
    BENCH_U8(EnableStabilityStop, uint8_t)
    uint16_t GetSampleInterval(int16_t, int16_t) override { return Tally<Count>(), 10; }
    BENCH_U8(SetMagnificationList, uint16_t, const int32_t*)
    BENCH_U8(SetFilterList, uint16_t, const int32_t*)
    BENCH_U8(GetMagnificationList, uint16_t*, int32_t*, uint16_t)
    BENCH_U8(GetFilterList, uint16_t*, int32_t*, uint16_t)
    uint16_t GetIntensityAxis() override { return Tally<Count>(), 10; }
    BENCH_U8(SetIntensityAxis, uint16_t)
    BENCH_U8(SetIntensityLabel, uint8_t, const std::string&)
    BENCH_U8(ClearCaptures)
    BENCH_U8(BeginCapture)
    BENCH_U8(EndCapture)
    BENCH_U8(SelectCaptureColumn, int16_t, int16_t)
    BENCH_U8(AddCapturePoint, int16_t, float)
    BENCH_U8(SetCaptureState, uint8_t)
    BENCH_U8(GetCapturePoint, uint16_t, uint16_t, uint16_t, float*)
};

template <bool Count>
class BenchButtonPanel : public CovataButtons {
  public:
    BENCH_U8(SetUnitStatus6State, uint8_t)
    BENCH_U8(SetCalibrationState, uint8_t)
    BENCH_U8(SetFeedbackState, uint8_t)
    BENCH_U8(SetHoursLevel, uint8_t)
    void SetOutputReadout(uint8_t, uint16_t, uint8_t, uint16_t) override { Tally<Count>(); }
    void SetHoursReadout(uint16_t) override { Tally<Count>(); }
    BENCH_U8(SetLampState, uint8_t)
    BENCH_U8(SetLightGuideState, uint8_t)
    BENCH_U8(SetLockState, uint8_t)
    BENCH_U8(SetShutterState, uint8_t)
    BENCH_U8(SetTemperatureLevel, uint8_t)
    BENCH_U8(SetPanelState, uint8_t)
};

#undef BENCH_U8

template <bool Count>
class BenchStripChart : public CIstripchartx1 {
  public:
    void SetYAxisRange(double, double) override { Tally<Count>(); }
    void SetXAxisRange(double, double) override { Tally<Count>(); }
    void ClearData() override { Tally<Count>(); }
    int32_t AddXValue(double) override { return Tally<Count>(), 0; }
    void SetYValue(int32_t, int32_t, double) override { Tally<Count>(); }
    void SetYAxisTitle(const std::string&) override { Tally<Count>(); }
};

template <bool Count>
class BenchShell : public Shell {
  public:
    MessageAnswer ShowMessage(const std::string&, const std::string&, MessageButtons) override {
        return Tally<Count>(), MessageAnswer::Ok;
    }
    DialogResult RunModal(CIrisDialog&) override { return Cancel(); }
    DialogResult RunModal(OVProperties&) override { return Cancel(); }
    DialogResult RunModal(CEventEntry&) override { return Cancel(); }
    DialogResult RunModal(CDataCapEntry&) override { return Cancel(); }
    DialogResult RunModal(CDataCapInc&) override { return Cancel(); }
    DialogResult RunModal(CMagAndFilSelection&) override { return Cancel(); }
    DialogResult RunModal(CAboutDlg&) override { return Cancel(); }
    std::optional<std::string> AskSaveFileName() override { return Tally<Count>(), std::nullopt; }
    void EnableMenuCommand(int, bool) override { Tally<Count>(); }
    bool HasSystemMenu() override { return Tally<Count>(), true; }
    void AppendSystemMenuSeparator() override { Tally<Count>(); }
    void AppendSystemMenuEntry(int, const std::string&) override { Tally<Count>(); }
    std::string LoadStringResource(int) override { return Tally<Count>(), std::string(); }
    void SetWindowIcon() override { Tally<Count>(); }
    void SetWindowTitle(const std::string&) override { Tally<Count>(); }
    void CreateStatusBar(const Rect&, const std::array<int, 4>&) override { Tally<Count>(); }
    void SetStatusPaneText(int, const std::string& text) override {
        Tally<Count>();
        benchmark::DoNotOptimize(text.data());
    }
    void StartTimer(int, int) override { Tally<Count>(); }
    void PostCloseRequest() override { Tally<Count>(); }
    bool EscapePressedSinceLastQuery() override { return Tally<Count>(), false; }
    int CaptionHeight() override { return Tally<Count>(), 23; }
    int MenuBarHeight() override { return Tally<Count>(), 20; }
    Rect WindowRect() override { return Tally<Count>(), Rect{}; }
    void SetWindowSize(int, int) override { Tally<Count>(); }
    Rect ClientRect() override { return Tally<Count>(), Rect{}; }
    Rect ChildRect(ChildWindow) override { return Tally<Count>(), Rect{}; }
    void MoveChild(ChildWindow, const Rect&, bool) override { Tally<Count>(); }
    void ShowChild(ChildWindow, bool) override { Tally<Count>(); }
    void ParentStripChartToTabPanel() override { Tally<Count>(); }
    std::optional<Size> LoadBitmap(int) override { return Tally<Count>(), std::nullopt; }
    void InvalidateAll() override { Tally<Count>(); }
    void RepaintBackground() override { Tally<Count>(); }

  private:
    DialogResult Cancel() { return Tally<Count>(), DialogResult::Cancel; }
};

template <bool Count>
class BenchProfile : public ProfileStore {
  public:
    std::optional<long long> ReadInt(const std::string&, const std::string&) override {
        return Tally<Count>(), std::nullopt;
    }
    void WriteInt(const std::string&, const std::string&, long long) override { Tally<Count>(); }
    std::optional<std::string> ReadString(const std::string&, const std::string&) override {
        return Tally<Count>(), std::nullopt;
    }
    void WriteString(const std::string&, const std::string&, const std::string&) override {
        Tally<Count>();
    }
    void DeleteValue(const std::string&, const std::string&) override { Tally<Count>(); }
};

// Moves one second every ten readings, as it does across ten 100 ms ticks.
template <bool Count>
class BenchClock : public Clock {
  public:
    int64_t Now() override { return Tally<Count>(), kStart + static_cast<int64_t>(reads_++ / 10); }
    LocalTime ToLocalTime(int64_t) override { return Tally<Count>(), LocalTime{}; }
    void SleepMs(int) override { Tally<Count>(); }

  private:
    static constexpr int64_t kStart = 1363269601;
    uint64_t reads_ = 0;
};

template <bool Count>
class BenchLoader : public LibraryLoader {
  public:
    std::optional<FileVersionRecord> ReadVersion(const std::string&) override {
        return Tally<Count>(), std::nullopt;
    }
    LoadResult Load(const std::string&) override { return Tally<Count>(), LoadResult{}; }
};

// A controller with all three instruments connected by its first tick.
template <bool Count>
struct Bench {
    BenchShell<Count> shell;
    BenchProfile<Count> profile;
    BenchClock<Count> clock;
    BenchLoader<Count> loader;
    BenchTabPanel<Count> tab;
    BenchButtonPanel<Count> buttons;
    BenchStripChart<Count> chart;
    CVardenControlPanelDlg dlg{
        ControlPanelEnvironment{shell, profile, clock, loader, tab, buttons, chart}};

    Bench() {
        dlg.lampApi = Drivers<Count>::Lamp();
        dlg.ledApi = Drivers<Count>::Led();
        dlg.meterApi = Drivers<Count>::Meter();
        dlg.OnPollTick();
    }
};

// Ticks over which every slow reading recurs: the meter's page every 9, the LED's slow values
// every 11, the LED's hours in ten ticks of every 600.
constexpr int kCycleTicks = 9 * 11 * 600;

// Average number of calls a steady tick makes to drivers, panels, shell and clock.
double CallsPerTick() {
    static const double calls = [] {
        auto bench = std::make_unique<Bench<true>>();
        g_calls = 0;
        for (int tick = 0; tick < kCycleTicks; ++tick) {
            bench->dlg.OnPollTick();
        }
        return static_cast<double>(g_calls) / kCycleTicks;
    }();
    return calls;
}

void BM_PollTick(benchmark::State& state) {
    auto bench = std::make_unique<Bench<false>>();
    for (auto _ : state) {
        bench->dlg.OnPollTick();
    }
    state.counters["calls_per_tick"] = CallsPerTick();
}
BENCHMARK(BM_PollTick);

// An empty function called through a pointer the compiler cannot see through, like the driver
// entries and the panels' virtual operations.
[[gnu::noinline]] int Empty(unsigned short, void*) {
    return 0;
}

void BM_SameNumberOfEmptyCalls(benchmark::State& state) {
    const auto calls = static_cast<int>(CallsPerTick() + 0.5);
    int (*entry)(unsigned short, void*) = Empty;
    benchmark::DoNotOptimize(entry);
    for (auto _ : state) {
        for (int i = 0; i < calls; ++i) {
            benchmark::DoNotOptimize(entry(0, nullptr));
        }
    }
    state.counters["calls_per_tick"] = calls;
}
BENCHMARK(BM_SameNumberOfEmptyCalls);

}  // namespace
}  // namespace varden

BENCHMARK_MAIN();
