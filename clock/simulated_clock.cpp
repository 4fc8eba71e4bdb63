#include "clock/simulated_clock.h"

#include "clock/system_zone.h"

namespace orvelle {

using namespace std::chrono;

SimulatedClock::SimulatedClock(UtcTime start, Flow flow, ClockRange range)
    : setTo_(start)
    , setAt_(steady_clock::now())
    , flow_(flow)
    , range_(range) {}

UtcTime SimulatedClock::now() const {
    if (flow_ == Flow::Frozen)
        return setTo_;
    return setTo_ + floor<milliseconds>(steady_clock::now() - setAt_);
}

bool SimulatedClock::set(UtcTime t) {
    if (!range_.contains(t))
        return false;
    setTo_ = t;
    setAt_ = steady_clock::now();
    return true;
}

seconds SimulatedClock::utcOffset(UtcTime t) const {
    return SystemUtcOffset(t);
}

} // namespace orvelle
