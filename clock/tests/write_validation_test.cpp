#include "clock/clock.h"
#include "clock/simulated_clock.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <ctime>
#ifdef _WIN32
#include <windows.h>
#endif

namespace orvelle {
namespace {

using testing::Record;
using testing::Utc;

// An oracle for the calendar that shares nothing with the code under test: the leap rule written
// out, and the instant with its day of the week by the C library's timegm, or on Windows, which
// has no timegm, by the system's own calendar.
struct OracleInstant {
    std::chrono::sys_seconds instant;
    int dayOfWeek;
};

OracleInstant Oracle(unsigned y, unsigned m, unsigned d, unsigned h, unsigned mi, unsigned s) {
#ifndef _WIN32
    std::tm tm{};
    tm.tm_year = static_cast<int>(y) - 1900;
    tm.tm_mon = static_cast<int>(m) - 1;
    tm.tm_mday = static_cast<int>(d);
    tm.tm_hour = static_cast<int>(h);
    tm.tm_min = static_cast<int>(mi);
    tm.tm_sec = static_cast<int>(s);
    const std::time_t t = timegm(&tm);
    return {std::chrono::sys_seconds{std::chrono::seconds{t}}, tm.tm_wday};
#else
    const auto word = [](unsigned v) { return static_cast<WORD>(v); };
    const ::SYSTEMTIME record{word(y), word(m), 0, word(d), word(h), word(mi), word(s), 0};
    FILETIME ticks{};
    ::SYSTEMTIME back{};
    if (!SystemTimeToFileTime(&record, &ticks) || !FileTimeToSystemTime(&ticks, &back))
        throw std::invalid_argument("no such date");
    // 100-nanosecond ticks since 1 January 1601.
    const auto since1601 = std::chrono::seconds{
        ((std::uint64_t{ticks.dwHighDateTime} << 32) | ticks.dwLowDateTime) / 10'000'000};
    return {std::chrono::sys_seconds{since1601 - std::chrono::seconds{11'644'473'600}},
            back.wDayOfWeek};
#endif
}

bool IsLeapYear(unsigned y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned DaysInMonth(unsigned y, unsigned m) {
    static constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeapYear(y) ? 29 : kDays[m - 1];
}

TEST(RealDateTime, AgreesWithTheCalendarForEveryDayOfFourCenturies) {
    for (unsigned y = 1900; y <= 2300; ++y) {
        for (unsigned m = 0; m <= 13; ++m) {
            for (unsigned d = 0; d <= 32; ++d) {
                const SYSTEMTIME r{static_cast<std::uint16_t>(y),
                                   static_cast<std::uint16_t>(m),
                                   0,
                                   static_cast<std::uint16_t>(d),
                                   12,
                                   34,
                                   56,
                                   789};
                const bool real = m >= 1 && m <= 12 && d >= 1 && d <= DaysInMonth(y, m);
                ASSERT_EQ(IsRealDateTime(r), real) << testing::Text(r);
                if (!real)
                    continue;
                const OracleInstant oracle = Oracle(y, m, d, 12, 34, 56);
                const auto expected = oracle.instant + std::chrono::milliseconds{789};
                ASSERT_EQ(UtcTimeOf(r), expected) << testing::Text(r);
                ASSERT_EQ(RecordOf(expected).wDayOfWeek, oracle.dayOfWeek) << testing::Text(r);
            }
        }
    }
}

// A fixture with a clock that stands still, so that "left exactly as it was" is exact.
class WriteUtcClockTest : public ::testing::Test {
protected:
    const UtcTime start = Utc("2026-12-11 14:15:16.170");
    SimulatedClock backend{start, SimulatedClock::Flow::Frozen};
    Clock clock{backend};
};

class RefusedRecordTest : public WriteUtcClockTest,
                          public ::testing::WithParamInterface<testing::NamedRecord> {};

TEST_P(RefusedRecordTest, LeavesTheClockExactlyAsItWas) {
    clock.WriteUtcClock(GetParam().record);
    EXPECT_EQ(backend.now(), start);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RefusedRecordTest,
    ::testing::ValuesIn(testing::NotRealDateTimes({
        {"YearBeforeTheClocksRange", testing::Record("1969-12-31 23:59:59.999")},
        {"YearAfterTheClocksRange", testing::Record("10000-01-01 00:00:00.000")},
    })),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WriteUtcClockTest, SetsARealRecordToTheMillisecond) {
    clock.WriteUtcClock(Record("2000-02-29 23:59:59.999"));
    EXPECT_EQ(backend.now(), Utc("2000-02-29 23:59:59.999"));
}

TEST_F(WriteUtcClockTest, IgnoresAWrongDayOfWeek) {
    SYSTEMTIME r = Record("2001-01-01 08:00:00.000"); // a Monday
    r.wDayOfWeek = 4;
    clock.WriteUtcClock(r);
    EXPECT_EQ(backend.now(), Utc("2001-01-01 08:00:00.000"));
    EXPECT_EQ(clock.ReadUtcClock().wDayOfWeek, 1);
}

TEST_F(WriteUtcClockTest, TakesBothEndsOfTheClocksRange) {
    clock.WriteUtcClock(Record("1970-01-01 00:00:00.000"));
    EXPECT_EQ(backend.now(), SimulatedClock::kDefaultRange.earliest);
    clock.WriteUtcClock(Record("9999-12-31 23:59:59.999"));
    EXPECT_EQ(backend.now(), SimulatedClock::kDefaultRange.latest);
}

} // namespace
} // namespace orvelle
