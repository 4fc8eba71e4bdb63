#include "clock/simulated_clock.h"
#include "startup.h"

#include <chrono>

// The window over a clock of its own that starts at the real time and runs on from there:
// every button can be tried, and the machine's clock is never touched.
int main(int, char** argv) {
    using namespace std::chrono;
    orvelle::SimulatedClock clock(floor<milliseconds>(system_clock::now()),
                                  orvelle::SimulatedClock::Flow::Running);
    return orvelle::RunOrvelle(argv[0], clock);
}
