#pragma once

#include "clock/clock_backend.h"

namespace orvelle {

// The real clock on Windows: GetSystemTime and SetSystemTime, local time by the system's time
// zone setting with its daylight-saving rules for each year.
//
// Windows takes the years 1601 to 30827. SetSystemTime needs the SE_SYSTEMTIME_NAME privilege
// in the caller's token, which an administrator holds; it enables the privilege itself.
class Win32Clock final : public ClockBackend {
public:
    static constexpr ClockRange kRange{std::chrono::sys_days{std::chrono::year{1601} / 1 / 1},
                                       std::chrono::sys_days{std::chrono::year{30828} / 1 / 1} -
                                           std::chrono::milliseconds{1}};

    UtcTime now() const override;
    bool set(UtcTime t) override;
    std::chrono::seconds utcOffset(UtcTime t) const override;
    ClockRange range() const override { return kRange; }
};

} // namespace orvelle
