#include "clock/posix_clock.h"

#include "clock/system_clock.h"
#include "clock/system_zone.h"
#include "clock/timedated_client.h"

#include <ctime>
#include <sys/capability.h>

namespace orvelle {

using namespace std::chrono;

namespace {

// Only the effective set counts: a permitted but not raised capability does not let
// clock_settime through.
bool MaySetTheClockItself() {
    const cap_t caps = cap_get_proc();
    if (caps == nullptr)
        return false;
    cap_flag_value_t value = CAP_CLEAR;
    const bool held =
        cap_get_flag(caps, CAP_SYS_TIME, CAP_EFFECTIVE, &value) == 0 && value == CAP_SET;
    cap_free(caps);
    return held;
}

} // namespace

UtcTime PosixClock::now() const {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return UtcTime{floor<milliseconds>(seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec})};
}

bool PosixClock::set(UtcTime t) {
    // A desktop program runs without the right to set the clock; the system's time service
    // sets it on the user's behalf once polkit agrees.
    if (!MaySetTheClockItself())
        return SetClockThroughTimedated(t);
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
