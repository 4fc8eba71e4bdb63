#pragma once

#include "clock/clock_backend.h"

namespace orvelle {

// The real clock on Linux: CLOCK_REALTIME, local time by the C library's zone rules. A process
// that holds CAP_SYS_TIME sets the clock itself; any other asks systemd-timedated to.
//
// The kernel takes instants from the epoch up to 2232-04-18 23:47:16 UTC, where settimeofday
// stops short of the 64-bit nanosecond wraparound in 2262 to leave room for 30 years of
// uptime. It also refuses an instant earlier than the machine's uptime after the epoch.
class PosixClock final : public ClockBackend {
public:
    static constexpr ClockRange kRange{
        UtcTime{}, UtcTime{std::chrono::seconds{9'223'372'036 - 30LL * 365 * 86'400}} -
                       std::chrono::milliseconds{1}};

    UtcTime now() const override;
    bool set(UtcTime t) override;
    std::chrono::seconds utcOffset(UtcTime t) const override;
    ClockRange range() const override { return kRange; }
};

} // namespace orvelle
