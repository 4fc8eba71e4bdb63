#pragma once

#include "clock/clock_backend.h"
#include "clock/date_time.h"

namespace orvelle {

// The clock operations and the date commands over one backend. Holds nothing but the
// reference: every call reads the clock anew.
class Clock {
public:
    explicit Clock(ClockBackend& backend)
        : backend_(backend) {}

    // The current UTC date and time, every field filled.
    SYSTEMTIME ReadUtcClock() const;

    // Sets the clock to the UTC date and time of the record. A record that is not a real date
    // and time, or that the clock cannot hold, is refused before it reaches the system; a
    // refusal leaves the clock exactly as it was, and the caller learns nothing either way.
    // wDayOfWeek is not read.
    void WriteUtcClock(const SYSTEMTIME& record);

    // The current local date and time, to the millisecond.
    TDateTime LocalNow() const;

    // Adds `step` to one field of the UTC date as 16-bit arithmetic, with no carry, borrow or
    // shortening, and writes the result: a step onto a date that does not exist does nothing.
    void StepDate(DateField field, int step);

    // Moves the clock to the date of `picked` at the current local time of day, converted to
    // UTC with the zone's rules for that date. Returns the value the picker is to hold: the
    // picked date with the local time of day of the moment.
    TDateTime SetCustomDate(TDateTime picked);

    // Conversions by the machine's zone rules. A local time that falls in the hour skipped when
    // clocks go forward is moved on by the length of the gap; one that happens twice, when they
    // go back, is taken at its first occurrence.
    LocalTime ToLocal(UtcTime t) const;
    UtcTime ToUtc(LocalTime t) const;

private:
    ClockBackend& backend_;
};

} // namespace orvelle
