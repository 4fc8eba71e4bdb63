#pragma once

#include "clock/clock_backend.h"

namespace orvelle {

// A clock for tests and demos: an instant that can be set at will and runs on with real time,
// or stands still. Local time follows the machine's zone rules, exactly as the real clock's.
// It holds 1 January 1970 to 31 December 9999 unless given another range.
class SimulatedClock final : public ClockBackend {
public:
    enum class Flow { Running, Frozen };

    static constexpr ClockRange kDefaultRange{
        std::chrono::sys_days{std::chrono::year{1970} / 1 / 1},
        std::chrono::sys_days{std::chrono::year{10000} / 1 / 1} - std::chrono::milliseconds{1}};

    explicit SimulatedClock(UtcTime start, Flow flow = Flow::Running,
                            ClockRange range = kDefaultRange);

    UtcTime now() const override;
    bool set(UtcTime t) override;
    std::chrono::seconds utcOffset(UtcTime t) const override;
    ClockRange range() const override { return range_; }

private:
    UtcTime setTo_;
    std::chrono::steady_clock::time_point setAt_;
    Flow flow_;
    ClockRange range_;
};

} // namespace orvelle
