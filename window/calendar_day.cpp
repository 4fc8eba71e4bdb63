#include "window/calendar_day.h"

#include <cmath>

namespace orvelle {

namespace {
const qint64 kDayZero = QDate(1899, 12, 30).toJulianDay();
}

QDate CalendarDay(TDateTime value) {
    // Far beyond any calendar a control shows, and no day at all for NaN.
    if (!(std::fabs(value) < 1e9))
        return {};
    return QDate::fromJulianDay(kDayZero + static_cast<qint64>(std::trunc(value)));
}

TDateTime DayValue(QDate day) {
    return static_cast<TDateTime>(day.toJulianDay() - kDayZero);
}

} // namespace orvelle
