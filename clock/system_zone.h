#pragma once

#include "clock/system_time.h"

namespace orvelle {

// How far the machine's local time is ahead of UTC at `t`, daylight saving included. On POSIX
// systems by the C library's zone rules: TZ when it is set, the system zone otherwise. On
// Windows by the system's time zone setting, which TZ does not change. The zone is read anew on
// every call, so a change of zone shows at once.
std::chrono::seconds SystemUtcOffset(UtcTime t);

} // namespace orvelle
