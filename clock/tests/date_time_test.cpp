#include "clock/date_time.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace orvelle {
namespace {

using testing::Record;

struct SplitCase {
    const char* name;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }
    TDateTime value;
    const char* expected; // date and time as Record() reads it
    std::uint16_t dayOfWeek;
};

class SplitDateTimeTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitDateTimeTest, GivesDateWeekdayAndTimeOfDay) {
    const auto& c = GetParam();
    SYSTEMTIME expected = Record(c.expected);
    expected.wDayOfWeek = c.dayOfWeek;
    EXPECT_EQ(SplitDateTime(c.value), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SplitDateTimeTest,
    ::testing::Values(
        SplitCase{"FirstOf2001IsAMonday", 36892.0, "2001-01-01 00:00:00.000", 1},
        SplitCase{"ThreeQuartersIsSixPm", 36892.75, "2001-01-01 18:00:00.000", 1},
        SplitCase{"DayZero", 0.0, "1899-12-30 00:00:00.000", 6},
        SplitCase{"NoonOfDayZero", 0.5, "1899-12-30 12:00:00.000", 6},
        SplitCase{"WholePartCountsBackBeforeDayZero", -1.25, "1899-12-29 06:00:00.000", 5},
        SplitCase{"FractionIsTimeOfDayBeforeDayZero", -700.75, "1898-01-29 18:00:00.000", 6},
        SplitCase{"NotALeapYear1900", 61.0, "1900-03-01 00:00:00.000", 4},
        SplitCase{"LeapDay2000", 36585.0, "2000-02-29 00:00:00.000", 2},
        SplitCase{"LastMillisecondOfADay", 36892.0 + 86'399'999 / 86'400'000.0,
                  "2001-01-01 23:59:59.999", 1},
        SplitCase{"RoundsToTheNearestMillisecond", 36892.0 + 1.6 / 86'400'000.0,
                  "2001-01-01 00:00:00.002", 1},
        SplitCase{"RoundingTo2400CarriesIntoNextDay", 36892.0 + 86'399'999.6 / 86'400'000.0,
                  "2001-01-02 00:00:00.000", 2},
        SplitCase{"CarryBeforeDayZeroGoesToNextCalendarDay", -1.0 - 86'399'999.6 / 86'400'000.0,
                  "1899-12-30 00:00:00.000", 6},
        SplitCase{"FirstDayOfYearOne", -693593.0, "0001-01-01 00:00:00.000", 1},
        SplitCase{"LastDayOfYear9999", 2958465.5, "9999-12-31 12:00:00.000", 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SplitDateTime, ValuesOutsideItsSpanGiveARecordNoClockAccepts) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    for (const double v : {-693594.0, 2958466.0, 1e300, -1e300, nan, inf, -inf}) {
        const SYSTEMTIME r = SplitDateTime(v);
        EXPECT_EQ(r, SYSTEMTIME{}) << v;
        EXPECT_FALSE(IsRealDateTime(r)) << v;
    }
}

// Every millisecond of a day survives encoding and splitting. The last day a value can name has
// the fewest bits to spare for the fraction; a day before day zero exercises the sign convention.
void ExpectMillisecondsSurvive(const char* date, std::uint32_t stride) {
    SYSTEMTIME r = Record(date);
    r.wDayOfWeek = SplitDateTime(EncodeDateTime(r)).wDayOfWeek;
    for (std::uint32_t ms = 0; ms < 86'400'000; ms += stride) {
        r.wHour = static_cast<std::uint16_t>(ms / 3'600'000);
        r.wMinute = static_cast<std::uint16_t>(ms / 60'000 % 60);
        r.wSecond = static_cast<std::uint16_t>(ms / 1000 % 60);
        r.wMilliseconds = static_cast<std::uint16_t>(ms % 1000);
        const SYSTEMTIME back = SplitDateTime(EncodeDateTime(r));
        if (back != r) {
            ADD_FAILURE() << testing::Text(r) << " came back as " << testing::Text(back);
            return;
        }
    }
}

TEST(EncodeDateTime, EveryMillisecondOfADaySurvivesSplitting) {
    ExpectMillisecondsSurvive("9999-12-31", 1);
    ExpectMillisecondsSurvive("1850-06-15", 997);
}

TEST(EncodeDateTime, FollowsTheSignConventionBeforeDayZero) {
    EXPECT_EQ(EncodeDateTime(Record("1899-12-29 06:00:00.000")), -1.25);
    EXPECT_EQ(EncodeDateTime(Record("1899-12-30 18:00:00.000")), 0.75);
    EXPECT_EQ(EncodeDateTime(Record("2001-01-01 00:00:00.000")), 36892.0);
}

TEST(EncodeDateTime, ARecordThatIsNoRealDateHasNoValue) {
    EXPECT_TRUE(std::isnan(EncodeDateTime(Record("2011-02-29"))));
    EXPECT_TRUE(std::isnan(EncodeDateTime(Record("2011-03-01 24:00:00.000"))));
}

struct ReplaceCase {
    const char* name;
    friend void PrintTo(const ReplaceCase& c, std::ostream* os) { *os << c.name; }
    TDateTime value;
    TDateTime other;
    TDateTime replacedDate; // ReplaceDate(value, other)
    TDateTime replacedTime; // ReplaceTime(value, other)
};

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, TakesOnePartAndKeepsTheOther) {
    const auto& c = GetParam();
    EXPECT_EQ(ReplaceDate(c.value, c.other), c.replacedDate);
    EXPECT_EQ(ReplaceTime(c.value, c.other), c.replacedTime);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReplaceTest,
    ::testing::Values(ReplaceCase{"BothAfterDayZero", 36892.25, 40000.75, 40000.25, 36892.75},
                      ReplaceCase{"DateBeforeDayZero", 36892.25, -10.75, -10.25, 36892.75},
                      ReplaceCase{"ValueBeforeDayZero", -10.25, 36892.75, 36892.25, -10.75},
                      ReplaceCase{"SameTimeOfDayGivesTheValueBack", 36892.125, 40000.125, 40000.125,
                                  36892.125}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvelle
