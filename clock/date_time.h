#pragma once

#include "clock/system_time.h"

namespace orvelle {

// A date and time of day as days since 30 December 1899 00:00, Gregorian throughout: the whole
// part is the date, the fraction the time of day. Before that day the whole part counts days
// back and the absolute fraction is still the time of day, so -1.25 is 29 December 1899 06:00.
using TDateTime = double;

// Splits a value into its record: date, day of the week and time of day, with no time zone
// applied. The time is rounded to the nearest millisecond; rounding up to 24:00 carries into
// the next day. A value outside 1 January 0001 to 31 December 9999, or not a number, gives
// the all-zero record, which no clock accepts.
SYSTEMTIME SplitDateTime(TDateTime value);

// The value of a record's date and time of day; wDayOfWeek is not read. A record that is not a
// real date and time has no value and gives NaN.
TDateTime EncodeDateTime(const SYSTEMTIME& record);

// The date of `date` with the time of day of `value`.
TDateTime ReplaceDate(TDateTime value, TDateTime date);
// The date of `value` with the time of day of `time`.
TDateTime ReplaceTime(TDateTime value, TDateTime time);

} // namespace orvelle
