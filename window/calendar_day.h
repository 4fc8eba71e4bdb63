#pragma once

#include "clock/date_time.h"

#include <QDate>

namespace orvelle {

// The calendar day of a value's whole part, the way the date controls show it. Values before
// 30 December 1899 count whole days back, as TDateTime does.
QDate CalendarDay(TDateTime value);

// The value of 00:00 on a calendar day.
TDateTime DayValue(QDate day);

} // namespace orvelle
