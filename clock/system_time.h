#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace orvelle {

// A date and time of day as eight separate 16-bit fields, laid out like the Win32 record of the
// same name. The fields are plain counters: arithmetic on one wraps modulo 65536 and never
// carries into another, so a record may well hold a date that does not exist. Nothing here
// normalises a record; the clock refuses one that is not a real date and time.
struct SYSTEMTIME {
    std::uint16_t wYear;         // full year: 2011, not 11
    std::uint16_t wMonth;        // 1 = January
    std::uint16_t wDayOfWeek;    // 0 = Sunday
    std::uint16_t wDay;          // day of the month, from 1
    std::uint16_t wHour;         // 0 to 23
    std::uint16_t wMinute;       // 0 to 59
    std::uint16_t wSecond;       // 0 to 59
    std::uint16_t wMilliseconds; // 0 to 999

    friend bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

// One field of a record, as the date commands name it: &SYSTEMTIME::wDay and so on.
using DateField = std::uint16_t SYSTEMTIME::*;

// Instants to the millisecond: UTC, and the wall-clock time of the machine's zone.
using UtcTime = std::chrono::sys_time<std::chrono::milliseconds>;
using LocalTime = std::chrono::local_time<std::chrono::milliseconds>;

// True when the record names a real Gregorian date (1900 is no leap year, 2000 is) and a real
// time of day. wDayOfWeek is not read.
bool IsRealDateTime(const SYSTEMTIME& record);

// The instant a record names, or nothing when it is not a real date and time.
std::optional<UtcTime> UtcTimeOf(const SYSTEMTIME& record);
std::optional<LocalTime> LocalTimeOf(const SYSTEMTIME& record);

// The record of an instant, every field filled, the day of the week included.
SYSTEMTIME RecordOf(UtcTime instant);
SYSTEMTIME RecordOf(LocalTime instant);

} // namespace orvelle
