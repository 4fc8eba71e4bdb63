#include "clock/posix_clock.h"

#include "clock/system_clock.h"
#include "clock/system_zone.h"

#include <ctime>

namespace orvelle {

using namespace std::chrono;

UtcTime PosixClock::now() const {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return UtcTime{floor<milliseconds>(seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec})};
}

bool PosixClock::set(UtcTime t) {
    const auto whole = floor<seconds>(t);
    const timespec ts{
        .tv_sec = static_cast<std::time_t>(whole.time_since_epoch().count()),
        .tv_nsec = static_cast<long>(nanoseconds{t - whole}.count()),
    };
    return clock_settime(CLOCK_REALTIME, &ts) == 0;
}

seconds PosixClock::utcOffset(UtcTime t) const {
    return SystemUtcOffset(t);
}

ClockBackend& SystemClock() {
    static PosixClock clock;
    return clock;
}

} // namespace orvelle
