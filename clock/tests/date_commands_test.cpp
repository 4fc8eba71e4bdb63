#include "clock/clock.h"
#include "clock/simulated_clock.h"
#include "test_support.h"

#include <gtest/gtest.h>

namespace orvelle {
namespace {

using testing::Record;
using testing::ScopedTimeZone;
using testing::Utc;

// POSIX zone strings count west of Greenwich as positive: "<+02>-2" is two hours ahead of UTC.
constexpr const char* kUtc = "UTC0";
constexpr const char* kTwoAhead = "<+02>-2";
constexpr const char* kOneAhead = "<+01>-1";
constexpr const char* kBerlin = "Europe/Berlin";
constexpr const char* kNewYork = "America/New_York";

struct StepCase {
    const char* name;
    friend void PrintTo(const StepCase& c, std::ostream* os) { *os << c.name; }
    const char* tz;
    const char* utcBefore;
    DateField field;
    int step;
    const char* utcAfter; // nullptr: the clock refuses and stays where it was
};

class StepDateTest : public ::testing::TestWithParam<StepCase> {};

TEST_P(StepDateTest, StepsOneUtcFieldOrChangesNothing) {
    const auto& c = GetParam();
    const ScopedTimeZone zone(c.tz);
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    SimulatedClock backend(Utc(c.utcBefore), SimulatedClock::Flow::Frozen);
    Clock clock(backend);

    clock.StepDate(c.field, c.step);

    EXPECT_EQ(RecordOf(backend.now()), RecordOf(Utc(c.utcAfter ? c.utcAfter : c.utcBefore)));
}

constexpr DateField kDay = &SYSTEMTIME::wDay;
constexpr DateField kMonth = &SYSTEMTIME::wMonth;
constexpr DateField kYear = &SYSTEMTIME::wYear;

INSTANTIATE_TEST_SUITE_P(
    Commands, StepDateTest,
    ::testing::Values(
        StepCase{"DayForwardKeepsTimeAndOtherFields", kUtc, "2026-03-15 10:20:30.456", kDay, +1,
                 "2026-03-16 10:20:30.456"},
        StepCase{"DayBack", kUtc, "2026-03-15 10:20:30.456", kDay, -1, "2026-03-14 10:20:30.456"},
        StepCase{"DayForwardOnLastDayOfMonth", kUtc, "2026-04-30 10:00:00.000", kDay, +1, nullptr},
        StepCase{"DayBackOnFirstDayOfMonth", kUtc, "2026-05-01 10:00:00.000", kDay, -1, nullptr},
        StepCase{"DayForwardOnLeapDayEve", kUtc, "2024-02-28 10:00:00.000", kDay, +1,
                 "2024-02-29 10:00:00.000"},
        StepCase{"DayForwardOnFebruary28OfACommonYear", kUtc, "2026-02-28 10:00:00.000", kDay, +1,
                 nullptr},
        StepCase{"MonthForward", kUtc, "2026-06-15 08:00:00.000", kMonth, +1,
                 "2026-07-15 08:00:00.000"},
        StepCase{"MonthBack", kUtc, "2026-06-15 08:00:00.000", kMonth, -1,
                 "2026-05-15 08:00:00.000"},
        StepCase{"MonthForwardInDecember", kUtc, "2026-12-11 08:00:00.000", kMonth, +1, nullptr},
        StepCase{"MonthBackInJanuary", kUtc, "2026-01-11 08:00:00.000", kMonth, -1, nullptr},
        StepCase{"MonthForwardOnJanuary31", kUtc, "2026-01-31 08:00:00.000", kMonth, +1, nullptr},
        StepCase{"MonthBackOnMarch30", kUtc, "2024-03-30 08:00:00.000", kMonth, -1, nullptr},
        StepCase{"YearForward", kUtc, "2026-06-15 08:00:00.000", kYear, +1,
                 "2027-06-15 08:00:00.000"},
        StepCase{"YearBack", kUtc, "2026-06-15 08:00:00.000", kYear, -1, "2025-06-15 08:00:00.000"},
        StepCase{"YearForwardOnLeapDay", kUtc, "2024-02-29 08:00:00.000", kYear, +1, nullptr},
        StepCase{"YearBackOnLeapDay", kUtc, "2024-02-29 08:00:00.000", kYear, -1, nullptr},
        StepCase{"YearBackOutOfTheClocksRange", kUtc, "1970-06-15 08:00:00.000", kYear, -1,
                 nullptr},
        // 00:30 on 15 March local is 22:30 on the 14th UTC: the step acts on the UTC date, and
        // the local clock reads 16 March 00:30 afterwards.
        StepCase{"DayForwardActsOnTheUtcDate", kTwoAhead, "2026-03-14 22:30:00.000", kDay, +1,
                 "2026-03-15 22:30:00.000"},
        // 31 March 23:30 in Berlin is still 30 March UTC, so the local month's end is no limit.
        StepCase{"DayForwardAtLocalMonthEnd", kBerlin, "2026-03-30 21:30:00.000", kDay, +1,
                 "2026-03-31 21:30:00.000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StepDate, LocalClockShowsTheNextLocalDateAtTheSameTime) {
    const ScopedTimeZone zone(kTwoAhead);
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    SimulatedClock backend(Utc("2026-03-14 22:30:00.000"), SimulatedClock::Flow::Frozen);
    Clock clock(backend);
    ASSERT_EQ(SplitDateTime(clock.LocalNow()).wDay, 15);
    ASSERT_EQ(clock.ReadUtcClock().wDay, 14);

    clock.StepDate(&SYSTEMTIME::wDay, +1);

    const SYSTEMTIME local = SplitDateTime(clock.LocalNow());
    EXPECT_EQ(local.wDay, 16);
    EXPECT_EQ(local.wHour, 0);
    EXPECT_EQ(local.wMinute, 30);
}

struct SetCase {
    const char* name;
    friend void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }
    const char* tz;
    const char* utcNow;
    const char* picked;      // the date in the picker; its time of day plays no part
    const char* pickerAfter; // local date and time the picker holds afterwards
    const char* utcAfter;    // nullptr: the clock refuses and stays where it was
};

class SetCustomDateTest : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetCustomDateTest, JumpsToThePickedDateAtTheLocalTimeOfDay) {
    const auto& c = GetParam();
    const ScopedTimeZone zone(c.tz);
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    SimulatedClock backend(Utc(c.utcNow), SimulatedClock::Flow::Frozen);
    Clock clock(backend);
    // Whatever time of day the picker held is replaced by the moment's.
    SYSTEMTIME pickedRecord = Record(c.picked);
    pickedRecord.wHour = 3;
    pickedRecord.wMinute = 21;
    pickedRecord.wSecond = 9;
    pickedRecord.wMilliseconds = 654;
    const TDateTime picked = EncodeDateTime(pickedRecord);

    const TDateTime held = clock.SetCustomDate(picked);

    EXPECT_EQ(SplitDateTime(held), SplitDateTime(EncodeDateTime(Record(c.pickerAfter))));
    EXPECT_EQ(RecordOf(backend.now()), RecordOf(Utc(c.utcAfter ? c.utcAfter : c.utcNow)));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SetCustomDateTest,
    ::testing::Values(
        SetCase{"TwoAheadOfUtc", kTwoAhead, "2026-06-10 12:05:07.123", "2026-12-25",
                "2026-12-25 14:05:07.123", "2026-12-25 12:05:07.123"},
        SetCase{"TwoAheadAtHalfPastMidnight", kTwoAhead, "2026-06-09 22:30:00.000", "2026-12-25",
                "2026-12-25 00:30:00.000", "2026-12-24 22:30:00.000"},
        SetCase{"OneAheadKeepsTheLocalTimeOfDay", kOneAhead, "2026-06-10 13:00:00.000",
                "2026-08-01", "2026-08-01 14:00:00.000", "2026-08-01 13:00:00.000"},
        SetCase{"WinterToSummerInBerlin", kBerlin, "2026-01-15 13:00:00.000", "2026-07-01",
                "2026-07-01 14:00:00.000", "2026-07-01 12:00:00.000"},
        SetCase{"SummerToWinterInNewYork", kNewYork, "2026-07-01 13:15:00.000", "2026-12-25",
                "2026-12-25 09:15:00.000", "2026-12-25 14:15:00.000"},
        // 02:30 does not exist in Berlin on 29 March 2026: it becomes 03:30 summer time.
        SetCase{"IntoTheSkippedHour", kBerlin, "2026-03-20 01:30:00.000", "2026-03-29",
                "2026-03-29 02:30:00.000", "2026-03-29 01:30:00.000"},
        // 02:30 happens twice in Berlin on 25 October 2026: the first, still in summer time.
        SetCase{"IntoTheRepeatedHour", kBerlin, "2026-10-20 00:30:00.000", "2026-10-25",
                "2026-10-25 02:30:00.000", "2026-10-25 00:30:00.000"},
        SetCase{"DateTheClockCannotHold", kUtc, "2026-06-10 12:00:00.000", "1969-07-20",
                "1969-07-20 12:00:00.000", nullptr},
        SetCase{"DateBeforeDayZero", kUtc, "2026-06-10 06:00:00.000", "1899-12-29",
                "1899-12-29 06:00:00.000", nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SetCustomDate, APickedValueAtTheTimeOfDayOfTheMomentComesBackUnchanged) {
    const ScopedTimeZone zone(kUtc);
    if (!zone.inForce())
        GTEST_SKIP() << zone.whyNot();
    SimulatedClock backend(Utc("2026-06-10 18:00:00.000"), SimulatedClock::Flow::Frozen);
    Clock clock(backend);
    const TDateTime picked = EncodeDateTime(Record("2027-01-05 18:00:00.000"));

    EXPECT_EQ(clock.SetCustomDate(picked), picked);
    EXPECT_EQ(backend.now(), Utc("2027-01-05 18:00:00.000"));
}

} // namespace
} // namespace orvelle
