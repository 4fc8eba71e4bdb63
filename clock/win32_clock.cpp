#include "clock/win32_clock.h"

#include "clock/system_clock.h"
#include "clock/system_zone.h"
#include "clock/win32_system_time.h"

namespace orvelle {

UtcTime Win32Clock::now() const {
    ::SYSTEMTIME utc;
    GetSystemTime(&utc);
    // GetSystemTime always fills a real date and time within the clock's range.
    return *UtcTimeOf(FromWin32(utc));
}

bool Win32Clock::set(UtcTime t) {
    const ::SYSTEMTIME utc = ToWin32(RecordOf(t));
    return SetSystemTime(&utc) != FALSE;
}

std::chrono::seconds Win32Clock::utcOffset(UtcTime t) const {
    return SystemUtcOffset(t);
}

ClockBackend& SystemClock() {
    static Win32Clock clock;
    return clock;
}

} // namespace orvelle
