// The cost of the window's work over the simulated clock: one tick of Timer1 while the date
// stays the same, one that finds a new date (with and without the repaint it asks for), and
// building the window. Runs on Qt's offscreen platform, so no display is needed.
#include "clock/clock.h"
#include "clock/simulated_clock.h"
#include "window/form_1.h"

#include <QApplication>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using namespace std::chrono;
using orvelle::SimulatedClock;
using orvelle::TForm1;
using orvelle::UtcTime;

const UtcTime kMidJune{sys_days{2011y / 6 / 15} + 12h};

void TickSameDay(benchmark::State& state) {
    SimulatedClock clock(kMidJune);
    TForm1 form(clock);
    form.Timer1->stop();
    form.show();
    QApplication::processEvents();
    for (auto _ : state)
        form.Timer1Timer();
}

// The clock moves a day on or back before each tick, as a date command would.
void TickNewDay(benchmark::State& state, bool repaint) {
    SimulatedClock clock(kMidJune);
    TForm1 form(clock);
    form.Timer1->stop();
    form.show();
    QApplication::processEvents();
    bool forward = true;
    for (auto _ : state) {
        clock.set(clock.now() + (forward ? days{1} : -days{1}));
        forward = !forward;
        form.Timer1Timer();
        if (repaint)
            QApplication::processEvents();
    }
}

void CreateForm1(benchmark::State& state) {
    SimulatedClock clock(kMidJune);
    for (auto _ : state) {
        TForm1 form(clock);
        benchmark::DoNotOptimize(&form);
    }
}

void ShowForm1(benchmark::State& state) {
    SimulatedClock clock(kMidJune);
    for (auto _ : state) {
        TForm1 form(clock);
        form.show();
        QApplication::processEvents();
    }
}

BENCHMARK(TickSameDay);
BENCHMARK_CAPTURE(TickNewDay, without_repaint, false);
BENCHMARK_CAPTURE(TickNewDay, with_repaint, true);
BENCHMARK(CreateForm1)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowForm1)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
