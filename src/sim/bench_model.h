// The simulated instrument bench: lamp sources, LED sources and power meters on one optical
// bench, so that a meter measures the light that the sources emit. The three driver libraries
// are thin C layers over this model; tests and demonstrations steer it through bench_control.h.
//
// Every access goes through Bench::Lock(): the panel calls from one thread, but a test or a
// demonstration may poke the bench from another.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#define BENCH_API __attribute__((visibility("default")))

namespace varden::sim {

// The environment variable that names the bench description.
inline constexpr const char* kBenchFileVariable = "VARDEN_BENCH_FILE";

enum class Family { kLamp = 0, kMeter = 1, kLed = 2 };

// What a unit has in common whatever it is: whether it is plugged in, whether it answers its
// driver, and the counters that the lamp's device-information record reports.
struct UnitLink {
    bool attached = true;
    bool answering = true;
    uint32_t correctPackets = 0;
    uint32_t errorPackets = 0;
};

// A lamp source or an LED source. The two share their controls; `led` selects the LED's
// behaviour (no lamp switch or warm-up, two temperatures, hours in the LED range).
struct BENCH_API LightSource {
    UnitLink link;
    bool led = false;

    bool lampOn = true;
    bool alarm = false;
    bool shutterOpen = true;
    bool feedback = false;
    bool lightGuideIn = true;
    bool frontPanelLocked = false;
    bool remote = false;            // under PC control (SendConnect)
    bool pcShutterControl = false;  // EnablePCShutterControl
    bool identified = false;        // answered an identify request since it was plugged in

    double iris = 50.0;  // percent, 0 to 100
    double secondsSinceIgnition = 3600.0;
    double operatingSeconds = 0.0;    // lamp or LED hours, in seconds
    double calibrationSeconds = 0.0;  // calibration time left
    double temperature = 0.0;         // lamp, or the LED's heat sink
    double temperature2 = 0.0;        // the LED's driver board

    double maxOutputMw = 50.0;    // at 100 % when warm and without drift
    double wavelengthNm = 560.0;  // spectral centre, for the meter's wavelength response
    uint16_t powerFactor = 10000;
    uint16_t serial = 0;
    uint16_t softwareVersion = 0;
    uint8_t powerMode = 0;
    std::string name;
    double driftPhase1 = 0.0;
    double driftPhase2 = 0.0;

    static LightSource Lamp(uint16_t unit);
    static LightSource Led(uint16_t unit);

    bool Emitting() const { return led ? true : lampOn && !alarm; }
    bool WarmingUp() const { return !led && Emitting() && secondsSinceIgnition < 180.0; }
    uint16_t PercentLevel() const;
    uint16_t LampHours() const;
    uint8_t CalibrationHours() const;
    // Raw output units per milliwatt for the power factor the source reports.
    double RawPerMilliwatt() const;

    // Noise-free output in milliwatts at bench time `now`.
    double OutputMw(double now) const;
    // Relative spread of the light from one reading to the next.
    double NoiseFraction() const { return feedback ? 0.0003 : 0.0025; }
    // Sets the iris so that the output at `now` becomes `milliwatts`.
    void SetOutputMw(double milliwatts, double now);
    // Moves time on by `seconds`: warm-up, temperatures, hours, calibration.
    void Advance(double seconds);
    // A freshly plugged unit is under front-panel control and not yet identified.
    void Plugged();
};

// How many readings a meter's data log holds.
inline constexpr std::size_t kMaxStoredReadings = 4000;

// One reading kept in the meter's STORE data log, with its date and time words.
struct StoredReading {
    uint16_t date = 0;  // bits 0-4 day, 5-8 month, 9-15 year - 2000
    uint16_t time = 0;  // bits 11-15 hour, 5-10 minute, 0-4 seconds / 2
    float watts = 0.0f;
    uint8_t input = 1;
    uint16_t serial = 0;
};

// Calendar fields as the meter keeps them (full year).
struct CalendarTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// True when the fields name a real day (year 2000 to 2255) and a time of day.
BENCH_API bool ValidCalendar(const CalendarTime& time);
BENCH_API uint16_t EncodeDate(const CalendarTime& time);
BENCH_API uint16_t EncodeTime(const CalendarTime& time);

// Which slow request of the meter is waiting for its answer.
enum class MeterRequest { kNone, kCount, kNumber, kReading, kNext };

struct BENCH_API PowerMeter {
    UnitLink link;
    bool switchedOff = false;
    bool asleep = false;

    uint16_t wavelength = 550;
    uint16_t favourites[5] = {405, 488, 532, 561, 640};
    uint8_t contrast = 8;
    uint16_t mode = 0x0101;
    uint16_t serial = 0;
    uint16_t headSerial = 0;
    uint16_t softwareVersion = 214;
    uint8_t calDue[3] = {1, 1, 0};     // month, day, year - 2000
    uint8_t oprCalDue[3] = {1, 1, 0};  // month, day, year - 2000
    double clockOffset = 0.0;          // meter calendar = bench time + offset, read as UTC
    float reference = 0.025f;
    float irradianceSetPoint = 0.0f;
    uint8_t inputChannel = 1;
    uint8_t battery = 87;
    uint8_t gainState = 1;
    uint8_t gainLevel = 3;
    uint8_t calibrationMode = 0;
    uint8_t programMode = 0;
    double sensorTemperature = 24.5;
    std::string name = "Irvel";
    std::string adapterName = "LG-5mm";
    std::map<uint16_t, float> wavelengthCal;
    float hardwareGain[8] = {1.0f, 10.0f, 100.0f, 1000.0f, 1e4f, 1e5f, 1e6f, 1e7f};

    std::vector<StoredReading> log;
    std::size_t readPosition = 0;
    int answerDelayCalls = 2;
    double answerDelayMs = 0.0;
    MeterRequest pending = MeterRequest::kNone;
    int pendingCalls = 0;
    double pendingSince = 0.0;

    static PowerMeter Make(uint16_t unit, double now);

    bool Counted() const { return link.attached && !switchedOff; }
    // The meter answers its slow requests only after a delay, like a meter on a slow link:
    // false ("not ready") until enough calls have been made and enough time has passed.
    bool Answer(MeterRequest request, double now);
    CalendarTime Calendar(double now) const;
    void SetCalendar(const CalendarTime& time, double now);
    // Sets the meter's calendar; false when the fields do not make a date or a time.
    bool SetDate(int month, int day, int year, double now);
    bool SetClock(int hour, int minute, int second, double now);
};

// The bench's sense of time: the wall clock, or a simulated clock that only moves when told.
class BENCH_API SimClock {
  public:
    double Now() const;
    void UseWallClock() { simulated_ = false; }
    void UseSimulated(double epochSeconds) {
        simulated_ = true;
        simulatedNow_ = epochSeconds;
    }
    void Advance(double seconds) {
        if (simulated_ && seconds > 0.0) {
            simulatedNow_ += seconds;
        }
    }

  private:
    bool simulated_ = false;
    double simulatedNow_ = 0.0;
};

// Relative sensitivity of the meter's silicon sensor over wavelength (A/W).
BENCH_API double SensorResponse(double nanometres);

class BENCH_API Bench {
  public:
    static Bench& Instance();

    std::unique_lock<std::mutex> Lock() { return std::unique_lock<std::mutex>(mutex_); }

    // The calls below expect the lock to be held.

    // Brings the model up to the clock's present.
    void Refresh();
    double Now() const { return clock_.Now(); }
    // Switching clocks never counts as time passing for the instruments.
    void UseSimulatedClock(double epochSeconds);
    void UseWallClock();
    void AdvanceClock(double seconds);

    // A unit that is plugged in and answers its driver, or null.
    LightSource* ActiveSource(Family family, uint16_t unit);
    PowerMeter* ActiveMeter(uint16_t unit);
    // A unit known to the bench, plugged in or not; null when unknown.
    LightSource* KnownSource(Family family, uint16_t unit);
    PowerMeter* KnownMeter(uint16_t unit);
    std::map<uint16_t, LightSource>& Sources(Family family) {
        return family == Family::kLed ? leds_ : lamps_;
    }
    // Records a call that a unit did not answer.
    void CountUnanswered(Family family, uint16_t unit);

    int DeviceCount(Family family) const;

    // A reading from the source's monitor photodiode, averaged over `samples` conversions.
    uint16_t MonitorReading(const LightSource& source, uint16_t samples);
    // The source's output in its raw units, as its own monitor reports it.
    uint16_t RawOutput(const LightSource& source);
    // The power meter's reading in watts of the light that reaches it.
    double MeterReading(const PowerMeter& meter);
    // One draw of the bench's noise, normally distributed with spread 1.
    double Gaussian();

    void Seed(uint64_t seed);

    // Empties the bench: no units, transmission and seed at their defaults.
    void Clear();
    // The bench without a description: a burning, calibrated lamp at unit 0 and a meter at
    // unit 0.
    void LoadDefaults();
    // Replaces the bench with a description (INI text); bad lines are reported on stderr
    // under `origin` and skipped. Returns the number of lines skipped.
    int LoadDescription(std::string_view text, const std::string& origin);
    // The same from a file; -1 (and the defaults) when it cannot be read.
    int LoadDescriptionFile(const std::string& path);
    // The description named by VARDEN_BENCH_FILE, or the defaults.
    void LoadFromEnvironment();

    // Adds a unit in its default state, or plugs a known one back in.
    void Attach(Family family, uint16_t unit);
    void Detach(Family family, uint16_t unit);

    // Sets one named value of a unit, or of the bench itself; the names are those of the
    // bench description. Returns an empty string on success, else why it was refused.
    std::string SetSourceValue(LightSource& source, std::string_view key, std::string_view value);
    std::string SetMeterValue(PowerMeter& meter, std::string_view key, std::string_view value);
    std::string SetBenchValue(std::string_view key, std::string_view value);
    bool GetSourceValue(const LightSource& source, std::string_view key, double* value) const;
    bool GetMeterValue(const PowerMeter& meter, std::string_view key, double* value) const;

  private:
    Bench();
    void ApplyDriftPhases(LightSource& source, Family family, uint16_t unit) const;

    std::mutex mutex_;
    SimClock clock_;
    double lastRefresh_ = 0.0;
    std::map<uint16_t, LightSource> lamps_;
    std::map<uint16_t, LightSource> leds_;
    std::map<uint16_t, PowerMeter> meters_;
    double transmission_ = 0.8;
    uint64_t seed_ = 20130314;
    std::mt19937_64 noise_;
    std::normal_distribution<double> normal_;
};

}  // namespace varden::sim
