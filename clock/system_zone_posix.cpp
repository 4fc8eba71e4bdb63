#include "clock/system_zone.h"

#include <ctime>

namespace orvelle {

std::chrono::seconds SystemUtcOffset(UtcTime t) {
    // localtime_r does not look at TZ again by itself; tzset does, and costs a string compare
    // when nothing changed.
    tzset();
    const std::time_t seconds =
        std::chrono::floor<std::chrono::seconds>(t).time_since_epoch().count();
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return std::chrono::seconds{0};
    return std::chrono::seconds{local.tm_gmtoff};
}

} // namespace orvelle
