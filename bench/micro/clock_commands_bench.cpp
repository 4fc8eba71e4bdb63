// The cost of the date commands and of reading the local time, over the simulated clock, so
// that nothing here can move the machine's clock.
#include "clock/clock.h"
#include "clock/simulated_clock.h"

#include <benchmark/benchmark.h>

namespace {

using namespace std::chrono;
using orvelle::Clock;
using orvelle::DateField;
using orvelle::SimulatedClock;
using orvelle::SYSTEMTIME;
using orvelle::UtcTime;

UtcTime At(year_month_day date, hours hour) {
    return UtcTime{sys_days{date} + hour};
}

// A step that the clock accepts, then the step back, in turns, so the date never drifts out of
// range and every command writes.
void StepAccepted(benchmark::State& state, DateField field, UtcTime start) {
    SimulatedClock backend(start, SimulatedClock::Flow::Frozen);
    Clock clock(backend);
    int step = +1;
    for (auto _ : state) {
        clock.StepDate(field, step);
        step = -step;
    }
}

// A step onto a date that does not exist: the clock refuses it and stays as it was.
void StepRefused(benchmark::State& state, DateField field, UtcTime start) {
    SimulatedClock backend(start, SimulatedClock::Flow::Frozen);
    Clock clock(backend);
    for (auto _ : state)
        clock.StepDate(field, +1);
}

void SetCustomDate(benchmark::State& state) {
    SimulatedClock backend(At(2011y / 6 / 15, 12h));
    Clock clock(backend);
    const orvelle::TDateTime picked = 40892.0; // 15 December 2011
    for (auto _ : state)
        benchmark::DoNotOptimize(clock.SetCustomDate(picked));
}

void LocalNow(benchmark::State& state) {
    SimulatedClock backend(At(2011y / 6 / 15, 12h));
    const Clock clock(backend);
    for (auto _ : state)
        benchmark::DoNotOptimize(clock.LocalNow());
}

BENCHMARK_CAPTURE(StepAccepted, day, &SYSTEMTIME::wDay, At(2011y / 6 / 15, 12h));
BENCHMARK_CAPTURE(StepAccepted, month, &SYSTEMTIME::wMonth, At(2011y / 6 / 15, 12h));
BENCHMARK_CAPTURE(StepAccepted, year, &SYSTEMTIME::wYear, At(2011y / 6 / 15, 12h));
BENCHMARK_CAPTURE(StepRefused, day_past_month_end, &SYSTEMTIME::wDay, At(2011y / 6 / 30, 12h));
BENCHMARK(SetCustomDate);
BENCHMARK(LocalNow);

} // namespace

BENCHMARK_MAIN();
