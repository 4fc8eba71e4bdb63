#include "clock/clock.h"

namespace orvelle {

using namespace std::chrono;

SYSTEMTIME Clock::ReadUtcClock() const {
    return RecordOf(backend_.now());
}

void Clock::WriteUtcClock(const SYSTEMTIME& record) {
    const auto t = UtcTimeOf(record);
    if (!t || !backend_.range().contains(*t))
        return;
    // A refusal by the system leaves the clock as it was, which is all the caller needs.
    (void)backend_.set(*t);
}

TDateTime Clock::LocalNow() const {
    return EncodeDateTime(RecordOf(ToLocal(backend_.now())));
}

void Clock::StepDate(DateField field, int step) {
    SYSTEMTIME record = ReadUtcClock();
    record.*field = static_cast<std::uint16_t>(record.*field + step);
    WriteUtcClock(record);
}

TDateTime Clock::SetCustomDate(TDateTime picked) {
    // Where the picked value already has the time of day of the moment, this gives it back
    // unchanged, to the bit.
    const TDateTime value = ReplaceTime(picked, LocalNow());
    if (const auto local = LocalTimeOf(SplitDateTime(value)))
        WriteUtcClock(RecordOf(ToUtc(*local)));
    return value;
}

LocalTime Clock::ToLocal(UtcTime t) const {
    return LocalTime{(t + backend_.utcOffset(t)).time_since_epoch()};
}

UtcTime Clock::ToUtc(LocalTime local) const {
    // The offsets a day either side bracket any one change of the zone's rules near `local`.
    const UtcTime asIfUtc{local.time_since_epoch()};
    const UtcTime early = asIfUtc - backend_.utcOffset(asIfUtc - days{1});
    const UtcTime late = asIfUtc - backend_.utcOffset(asIfUtc + days{1});
    if (ToLocal(early) == local)
        return early;
    if (ToLocal(late) == local)
        return late;
    // Neither maps back: `local` lies in a gap, and the offset from before it moves the time
    // on by the gap's length.
    return early;
}

} // namespace orvelle
