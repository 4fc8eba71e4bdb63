#pragma once

#include "clock/system_time.h"

namespace orvelle {

// The span of instants a clock can hold, both ends included.
struct ClockRange {
    UtcTime earliest;
    UtcTime latest;

    bool contains(UtcTime t) const { return earliest <= t && t <= latest; }
};

// The one seam between the clock operations and the operating system: everything above it is
// the same code on every platform.
class ClockBackend {
public:
    virtual ~ClockBackend() = default;

    // The current instant, UTC.
    virtual UtcTime now() const = 0;

    // Moves the clock to `t`, which lies within range(). False when the system refused; the
    // clock is then exactly as it was.
    virtual bool set(UtcTime t) = 0;

    // How far the machine's local time is ahead of UTC at `t`, daylight saving included.
    virtual std::chrono::seconds utcOffset(UtcTime t) const = 0;

    // The instants this clock can be set to.
    virtual ClockRange range() const = 0;
};

} // namespace orvelle
