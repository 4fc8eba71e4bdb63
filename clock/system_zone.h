#pragma once

#include "clock/system_time.h"

namespace orvelle {

// How far the machine's local time is ahead of UTC at `t`, by the C library's zone rules: TZ
// when it is set, the system zone otherwise, daylight saving included. TZ is read anew on
// every call, so a change of zone shows at once.
std::chrono::seconds SystemUtcOffset(UtcTime t);

} // namespace orvelle
