// ReadUtcClock and LocalNow against a real kernel clock, in several zones from the tz database.
#include "clock/clock.h"
#include "clock/system_clock.h"
#include "kernel_clock.h"
#include "test_support.h"

namespace orvelle::guest {
namespace {

using testing::Record;
using testing::ScopedTimeZone;
using testing::Utc;

struct ZoneCase {
    const char* name;
    friend void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.name; }
    const char* tz;
    const char* utc;   // where the kernel's clock is put
    const char* local; // what the machine's local time is then, written out by hand
    std::uint16_t localDayOfWeek;
};

class KernelZoneTest : public ::testing::TestWithParam<ZoneCase> {};

// Whether `read` lies between `expected` and the time that may have passed since it was set.
::testing::AssertionResult ReadsAsSetThen(const SYSTEMTIME& read, const SYSTEMTIME& expected) {
    const auto got = UtcTimeOf(read);
    const auto want = UtcTimeOf(expected);
    if (got && want && *got >= *want && *got - *want <= kSetSlack)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "read " << testing::Text(read) << ", set " << testing::Text(expected);
}

TEST_P(KernelZoneTest, UtcAndLocalReadingsAgreeWithTheKernel) {
    const auto& c = GetParam();
    const ScopedTimeZone zone(c.tz);
    Clock clock(SystemClock());
    SetKernelClock(Utc(c.utc));

    const SYSTEMTIME utc = clock.ReadUtcClock();
    const SYSTEMTIME local = SplitDateTime(clock.LocalNow());

    SYSTEMTIME expectedUtc = RecordOf(Utc(c.utc));
    EXPECT_TRUE(ReadsAsSetThen(utc, expectedUtc));
    EXPECT_EQ(utc.wDayOfWeek, expectedUtc.wDayOfWeek);
    EXPECT_TRUE(ReadsAsSetThen(local, Record(c.local)));
    EXPECT_EQ(local.wDayOfWeek, c.localDayOfWeek);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, KernelZoneTest,
    ::testing::Values(
        ZoneCase{"Utc", "UTC0", "2026-12-11 14:15:16.000", "2026-12-11 14:15:16.000", 5},
        ZoneCase{"BerlinInWinter", "Europe/Berlin", "2026-01-15 12:00:00.000",
                 "2026-01-15 13:00:00.000", 4},
        ZoneCase{"BerlinInSummer", "Europe/Berlin", "2026-07-15 12:00:00.000",
                 "2026-07-15 14:00:00.000", 3},
        // Behind UTC, and the local date is still the day before.
        ZoneCase{"NewYorkEarlyInTheUtcDay", "America/New_York", "2026-07-15 02:30:00.000",
                 "2026-07-14 22:30:00.000", 2},
        // Ahead of UTC: the first hours of the local day are still the day before in UTC.
        ZoneCase{"TokyoEarlyInTheLocalDay", "Asia/Tokyo", "2026-03-14 16:30:00.000",
                 "2026-03-15 01:30:00.000", 0},
        ZoneCase{"KolkataHalfAnHour", "Asia/Kolkata", "2026-06-01 00:00:00.000",
                 "2026-06-01 05:30:00.000", 1},
        // Lord Howe Island moves its clocks by half an hour.
        ZoneCase{"LordHoweInSummer", "Australia/Lord_Howe", "2026-01-10 12:00:00.000",
                 "2026-01-10 23:00:00.000", 6},
        ZoneCase{"LordHoweInWinter", "Australia/Lord_Howe", "2026-07-10 12:00:00.000",
                 "2026-07-10 22:30:00.000", 5}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvelle::guest
