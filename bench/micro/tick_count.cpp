// Runs Timer1's tick a given number of times over the simulated clock, for callgrind to count
// its instructions (bench/run.sh collects inside TForm1::Timer1Timer only).
//
//   tick_count TICKS [same-day|new-day]
//
// With new-day the clock moves a day on or back before each tick, outside the counted code.
#include "clock/simulated_clock.h"
#include "window/form_1.h"

#include <QApplication>
#include <QTimer>

#include <chrono>
#include <cstdlib>
#include <cstring>

int main(int argc, char* argv[]) {
    using namespace std::chrono;
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 1000;
    const bool newDay = argc > 2 && std::strcmp(argv[2], "new-day") == 0;

    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    orvelle::SimulatedClock clock(orvelle::UtcTime{sys_days{2011y / 6 / 15} + 12h});
    orvelle::TForm1 form(clock);
    form.Timer1->stop();
    form.show();
    QApplication::processEvents();

    bool forward = true;
    for (int i = 0; i < ticks; ++i) {
        if (newDay) {
            clock.set(clock.now() + (forward ? days{1} : -days{1}));
            forward = !forward;
        }
        form.Timer1Timer();
    }
    return 0;
}
