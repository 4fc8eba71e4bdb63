#include "clock/date_time.h"

#include <cmath>
#include <limits>

namespace orvelle {

using namespace std::chrono;

namespace {

constexpr sys_days kDayZero = year{1899} / December / 30;
constexpr double kMsPerDay = 86'400'000.0;

// The span a value can name: 1 January 0001 up to, not including, 1 January 10000.
constexpr double kFirstDay = (sys_days{year{1} / 1 / 1} - kDayZero).count();
constexpr double kPastLastDay = (sys_days{year{10000} / 1 / 1} - kDayZero).count();

// A value's two parts as the type reads them: the date as whole days (rounded toward zero)
// and the time of day as the absolute fraction.
double WholeDays(TDateTime v) {
    return std::trunc(v);
}
double DayFraction(TDateTime v) {
    return std::fabs(v - std::trunc(v));
}

TDateTime Combine(double wholeDays, double fraction) {
    return wholeDays >= 0 ? wholeDays + fraction : wholeDays - fraction;
}

} // namespace

SYSTEMTIME SplitDateTime(TDateTime value) {
    if (!(value >= kFirstDay && value < kPastLastDay))
        return {};
    auto ms = milliseconds{std::llround(DayFraction(value) * kMsPerDay)};
    auto date = kDayZero + days{static_cast<long>(WholeDays(value))};
    if (ms >= days{1}) {
        ms -= days{1};
        date += days{1};
    }
    return RecordOf(UtcTime{date + ms});
}

TDateTime EncodeDateTime(const SYSTEMTIME& record) {
    const auto t = UtcTimeOf(record);
    if (!t)
        return std::numeric_limits<double>::quiet_NaN();
    const auto date = floor<days>(*t);
    return Combine((date - kDayZero).count(), (*t - date).count() / kMsPerDay);
}

TDateTime ReplaceDate(TDateTime value, TDateTime date) {
    return Combine(WholeDays(date), DayFraction(value));
}

TDateTime ReplaceTime(TDateTime value, TDateTime time) {
    return Combine(WholeDays(value), DayFraction(time));
}

} // namespace orvelle
