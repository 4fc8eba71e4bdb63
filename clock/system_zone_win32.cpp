#include "clock/system_zone.h"
#include "clock/win32_system_time.h"

namespace orvelle {

using namespace std::chrono;

seconds SystemUtcOffset(UtcTime t) {
    // Read anew on every call, so that a change of the system's zone shows at once.
    DYNAMIC_TIME_ZONE_INFORMATION zone{};
    if (GetDynamicTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
        return seconds{0};
    const SYSTEMTIME record = RecordOf(t);
    const ::SYSTEMTIME utc = ToWin32(record);
    // The zone's rules for that year, as SystemTimeToTzSpecificLocalTimeEx would take them; that
    // function is missing from wine 8, which runs the tests of this code.
    TIME_ZONE_INFORMATION rules{};
    ::SYSTEMTIME local{};
    if (!GetTimeZoneInformationForYear(record.wYear, &zone, &rules) ||
        !SystemTimeToTzSpecificLocalTime(&rules, &utc, &local))
        return seconds{0};
    const auto localTime = LocalTimeOf(FromWin32(local));
    if (!localTime)
        return seconds{0};
    return floor<seconds>(localTime->time_since_epoch() - t.time_since_epoch());
}

} // namespace orvelle
