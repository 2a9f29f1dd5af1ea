/*
 * Control of the simulated instrument bench, for tests and demonstrations. Exported by the bench
 * library (libvarden_bench.so) that the three simulated driver libraries share, so a change made
 * here is what the drivers report next.
 *
 * Units are addressed as the drivers address them: a family and a unit number. Values are set
 * and read by the names of the bench description (docs/bench.md); texts are given as they would
 * be written there ("yes", "42.5", "2013-03-14"). Functions that answer a flag return 1 on
 * success and 0 when the unit, the name or the value is refused. Every function may be called
 * from any thread.
 */
#ifndef VARDEN_BENCH_CONTROL_H
#define VARDEN_BENCH_CONTROL_H

#ifdef __cplusplus
extern "C" {
#endif

#define BENCH_CONTROL_API __attribute__((visibility("default")))

enum BenchFamily { BENCH_LAMP = 0, BENCH_METER = 1, BENCH_LED = 2 };

/* Rebuilds the bench from the description named by VARDEN_BENCH_FILE, or the default bench
 * (a burning, calibrated lamp at unit 0 and a meter at unit 0) when it is not set. Returns the
 * number of description lines skipped, or -1 when the file cannot be read. */
BENCH_CONTROL_API int bench_reset(void);

/* Rebuilds the bench from a description given as INI text, or read from a file. Returns the
 * number of lines skipped (each reported on stderr), or -1 when there is nothing to read. */
BENCH_CONTROL_API int bench_load(const char* description);
BENCH_CONTROL_API int bench_load_file(const char* path);

/* Plugs a unit in, in its default state when the bench does not know it yet, or takes it off
 * the bus; its driver's device count changes as on a real hot-plug. A unit plugged back in
 * keeps its state but is no longer identified or under PC control. */
BENCH_CONTROL_API int bench_attach(int family, unsigned short unit);
BENCH_CONTROL_API int bench_detach(int family, unsigned short unit);

/* A unit that stops answering stays counted by its driver, but DeviceActive is 0 and every
 * call to it returns 0 without writing anything. */
BENCH_CONTROL_API int bench_set_answering(int family, unsigned short unit, int answering);

/* Sets or reads one named value of a unit known to the bench (attached or not). bench_get
 * reads numbers and flags (1 or 0); a lamp's or LED's "output_mw" is its present, noise-free
 * output. */
BENCH_CONTROL_API int bench_set(int family, unsigned short unit, const char* name,
                                const char* value);
BENCH_CONTROL_API int bench_get(int family, unsigned short unit, const char* name, double* value);

/* Sets a value of the bench itself: "transmission" (0 to 1) or "seed". */
BENCH_CONTROL_API int bench_configure(const char* name, const char* value);

/* Adds one reading to a meter's data log, with the date and time it was taken. */
BENCH_CONTROL_API int bench_add_stored_reading(unsigned short unit, int year, int month, int day,
                                               int hour, int minute, int second, float watts,
                                               unsigned char input);

/* Time. On the simulated clock the bench's time stands still until bench_advance_clock moves it;
 * lamp warm-up, drift, hours, calibration time and the meter's clock all follow it. Switching
 * clocks does not count as time passing for the instruments. Seconds since 1970, UTC. */
BENCH_CONTROL_API void bench_use_simulated_clock(double epochSeconds);
BENCH_CONTROL_API void bench_use_wall_clock(void);
BENCH_CONTROL_API void bench_advance_clock(double seconds);
BENCH_CONTROL_API double bench_now(void);

#ifdef __cplusplus
}
#endif

#endif /* VARDEN_BENCH_CONTROL_H */
