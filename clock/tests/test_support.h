#pragma once

#include "clock/system_time.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <time.h>
#include <vector>

// Helpers shared by the tests of the clock and of the window.
namespace orvelle::testing {

// Reads "YYYY-MM-DD hh:mm:ss.mmm" (the time may be left off) as the record it names, unchecked.
inline SYSTEMTIME Record(const char* text) {
    unsigned y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
    if (std::sscanf(text, "%u-%u-%u %u:%u:%u.%u", &y, &mo, &d, &h, &mi, &s, &ms) < 3)
        throw std::invalid_argument(text);
    return {static_cast<std::uint16_t>(y),
            static_cast<std::uint16_t>(mo),
            0,
            static_cast<std::uint16_t>(d),
            static_cast<std::uint16_t>(h),
            static_cast<std::uint16_t>(mi),
            static_cast<std::uint16_t>(s),
            static_cast<std::uint16_t>(ms)};
}

inline UtcTime Utc(const char* text) {
    const auto t = UtcTimeOf(Record(text));
    if (!t)
        throw std::invalid_argument(text);
    return *t;
}

inline std::string Text(const SYSTEMTIME& r) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04u-%02u-%02u %02u:%02u:%02u.%03u (dow %u)", r.wYear,
                  r.wMonth, r.wDay, r.wHour, r.wMinute, r.wSecond, r.wMilliseconds, r.wDayOfWeek);
    return buffer;
}

#ifndef _WIN32
// Sets TZ for the life of the object and puts the old value back after it.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ"))
            old_ = old;
        setenv("TZ", tz, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (old_)
            setenv("TZ", old_->c_str(), 1);
        else
            unsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    // Whether the machine's local time now follows the zone: always, where TZ can be changed.
    bool inForce() const { return true; }
    std::string whyNot() const { return {}; }

private:
    std::optional<std::string> old_;
};
#else
// Windows takes its zone when the process starts and no later change of TZ moves it, so here
// the zone is in force only in a process started with TZ set to it (under wine, which maps TZ
// to a Windows zone); a test skips where it is not.
class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* tz)
        : tz_(tz) {}
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

    bool inForce() const {
        const char* started = std::getenv("TZ");
        return started != nullptr && tz_ == started;
    }
    std::string whyNot() const {
        return "needs a process started with TZ=" + tz_ + "; Windows fixes its zone at start";
    }

private:
    std::string tz_;
};
#endif

// The record with one field replaced, for values that a date string cannot spell.
inline SYSTEMTIME With(const char* text, DateField field, std::uint16_t value) {
    SYSTEMTIME r = Record(text);
    r.*field = value;
    return r;
}

// A record with the name of the case it stands for, as tables of refused writes hold them.
struct NamedRecord {
    const char* name;
    SYSTEMTIME record;
    friend void PrintTo(const NamedRecord& c, std::ostream* os) { *os << c.name; }
};

// Records that are no real date and time, which every clock must refuse, followed by `more`.
inline std::vector<NamedRecord> NotRealDateTimes(std::vector<NamedRecord> more = {}) {
    std::vector<NamedRecord> cases{
        {"Day32", Record("2026-01-32 10:00:00.000")},
        {"Day0", Record("2026-01-00 10:00:00.000")},
        {"Month13", Record("2026-13-15 10:00:00.000")},
        {"Month0", Record("2026-00-15 10:00:00.000")},
        {"April31", Record("2026-04-31 10:00:00.000")},
        {"February29OfACommonYear", Record("2011-02-29 10:00:00.000")},
        {"February29Of1900", Record("1900-02-29 10:00:00.000")},
        {"Hour24", Record("2026-06-01 24:00:00.000")},
        {"HourWrappedBelowZero", With("2026-06-01 10:00:00.000", &SYSTEMTIME::wHour, 65534)},
        {"Minute60", Record("2026-06-01 10:60:00.000")},
        {"Second60", Record("2026-06-01 10:00:60.000")},
        {"Millisecond1000", Record("2026-06-01 10:00:00.1000")},
        {"YearWrappedBelowZero", With("2026-06-01 10:00:00.000", &SYSTEMTIME::wYear, 65535)},
        {"AllZero", SYSTEMTIME{}},
    };
    cases.insert(cases.end(), more.begin(), more.end());
    return cases;
}

} // namespace orvelle::testing

namespace orvelle {
// Lets GoogleTest print a record readably in a failure message.
inline void PrintTo(const SYSTEMTIME& r, std::ostream* os) {
    *os << testing::Text(r);
}
} // namespace orvelle
