// The shipped program's start-up over a simulated clock that reaches local midnight a few
// seconds after start, so that a watcher outside can see what a change of date repaints.
//
//   bench_midnight [SECONDS_BEFORE_MIDNIGHT]
#include "clock/clock.h"
#include "clock/simulated_clock.h"
#include "startup.h"

#include <chrono>
#include <cstdlib>

int main(int argc, char* argv[]) {
    using namespace std::chrono;
    const seconds before{argc > 1 ? std::atoi(argv[1]) : 3};

    orvelle::SimulatedClock zone(orvelle::UtcTime{});
    const auto midnight = orvelle::Clock(zone).ToUtc(
        orvelle::LocalTime{local_days{2011y / 6 / 16}.time_since_epoch()});
    orvelle::SimulatedClock clock(midnight - before);
    return orvelle::RunOrvelle(argv[0], clock);
}
