#include "clock/system_time.h"

namespace orvelle {

using namespace std::chrono;

namespace {

// chrono's year holds -32767 to 32767; a larger 16-bit year is no date it can name.
constexpr std::uint16_t kLastNamedYear = 32767;

std::optional<milliseconds> SinceEpoch(const SYSTEMTIME& r) {
    if (!IsRealDateTime(r))
        return std::nullopt;
    const sys_days date = year{r.wYear} / month{r.wMonth} / day{r.wDay};
    return date.time_since_epoch() + hours{r.wHour} + minutes{r.wMinute} + seconds{r.wSecond} +
           milliseconds{r.wMilliseconds};
}

SYSTEMTIME RecordSinceEpoch(milliseconds sinceEpoch) {
    const sys_days date{floor<days>(sinceEpoch)};
    const year_month_day ymd{date};
    const hh_mm_ss time{sinceEpoch - date.time_since_epoch()};
    return {
        .wYear = static_cast<std::uint16_t>(static_cast<int>(ymd.year())),
        .wMonth = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.month())),
        .wDayOfWeek = static_cast<std::uint16_t>(weekday{date}.c_encoding()),
        .wDay = static_cast<std::uint16_t>(static_cast<unsigned>(ymd.day())),
        .wHour = static_cast<std::uint16_t>(time.hours().count()),
        .wMinute = static_cast<std::uint16_t>(time.minutes().count()),
        .wSecond = static_cast<std::uint16_t>(time.seconds().count()),
        .wMilliseconds = static_cast<std::uint16_t>(time.subseconds().count()),
    };
}

} // namespace

bool IsRealDateTime(const SYSTEMTIME& r) {
    return r.wYear <= kLastNamedYear && (year{r.wYear} / month{r.wMonth} / day{r.wDay}).ok() &&
           r.wHour <= 23 && r.wMinute <= 59 && r.wSecond <= 59 && r.wMilliseconds <= 999;
}

std::optional<UtcTime> UtcTimeOf(const SYSTEMTIME& record) {
    const auto t = SinceEpoch(record);
    return t ? std::optional{UtcTime{*t}} : std::nullopt;
}

std::optional<LocalTime> LocalTimeOf(const SYSTEMTIME& record) {
    const auto t = SinceEpoch(record);
    return t ? std::optional{LocalTime{*t}} : std::nullopt;
}

SYSTEMTIME RecordOf(UtcTime instant) {
    return RecordSinceEpoch(instant.time_since_epoch());
}

SYSTEMTIME RecordOf(LocalTime instant) {
    return RecordSinceEpoch(instant.time_since_epoch());
}

} // namespace orvelle
