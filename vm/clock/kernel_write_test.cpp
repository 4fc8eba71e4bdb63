// WriteUtcClock and the Linux backend against a real kernel clock.
#include "clock/clock.h"
#include "clock/posix_clock.h"
#include "clock/system_clock.h"
#include "kernel_clock.h"
#include "test_support.h"

namespace orvelle::guest {
namespace {

using testing::Record;
using testing::Utc;
using testing::With;

struct SetCase {
    const char* name;
    friend void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }
    SYSTEMTIME record;
    const char* expected; // where the clock is afterwards, UTC
};

class AcceptedRecordTest : public KernelClockTest, public ::testing::WithParamInterface<SetCase> {};

TEST_P(AcceptedRecordTest, SetsTheKernelClock) {
    clock.WriteUtcClock(GetParam().record);
    ExpectAt(Utc(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Records, AcceptedRecordTest,
    ::testing::Values(
        SetCase{"AYearAhead", Record("2027-06-15 08:30:45.250"), "2027-06-15 08:30:45.250"},
        SetCase{"LeapDay", Record("2024-02-29 23:59:59.000"), "2024-02-29 23:59:59.000"},
        SetCase{"BackIntoTheLastCentury", Record("1999-12-31 23:59:58.999"),
                "1999-12-31 23:59:58.999"},
        // 1 January 2001 was a Monday; the record says Thursday, and nobody reads it.
        SetCase{"WrongDayOfWeekIsIgnored",
                With("2001-01-01 08:00:00.000", &SYSTEMTIME::wDayOfWeek, 4),
                "2001-01-01 08:00:00.000"},
        SetCase{"DayOfWeekFarOutOfRangeIsIgnored",
                With("2001-01-01 08:00:00.000", &SYSTEMTIME::wDayOfWeek, 65535),
                "2001-01-01 08:00:00.000"},
        SetCase{"LastMillisecondTheKernelHolds", Record("2232-04-18 23:47:15.999"),
                "2232-04-18 23:47:15.999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(KernelClockTest, ReadsBackWhatItSetWithTheRightDayOfWeek) {
    clock.WriteUtcClock(With("2001-01-01 08:00:00.000", &SYSTEMTIME::wDayOfWeek, 4));
    const SYSTEMTIME read = clock.ReadUtcClock();
    EXPECT_EQ(read.wDayOfWeek, 1);
    EXPECT_EQ(read.wYear, 2001);
    EXPECT_EQ(read.wDay, 1);
}

class RefusedRecordTest : public KernelClockTest,
                          public ::testing::WithParamInterface<testing::NamedRecord> {};

TEST_P(RefusedRecordTest, LeavesTheKernelClockAsItWas) {
    const nanoseconds before = WallOffset();
    clock.WriteUtcClock(GetParam().record);
    ExpectLeftAsItWas(before);
}

INSTANTIATE_TEST_SUITE_P(
    Records, RefusedRecordTest,
    ::testing::ValuesIn(testing::NotRealDateTimes({
        {"FirstMillisecondPastTheKernelsLimit", testing::Record("2232-04-18 23:47:16.000")},
        {"YearPastTheKernelsLimit", testing::Record("2233-01-01 00:00:00.000")},
        {"YearBeforeTheEpoch", testing::Record("1969-12-31 23:59:59.999")},
    })),
    [](const auto& info) { return std::string(info.param.name); });

// The backend's own answer at the edges of what the kernel takes, past the range check of the
// clock operations: this is where the kernel's limits are found out, not assumed.
struct EdgeCase {
    const char* name;
    friend void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }
    UtcTime instant;
    bool accepted;
};

class KernelEdgeTest : public KernelClockTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(KernelEdgeTest, BackendReportsWhatTheKernelDid) {
    const nanoseconds before = WallOffset();
    PosixClock backend;
    EXPECT_EQ(backend.set(GetParam().instant), GetParam().accepted);
    if (GetParam().accepted)
        ExpectAt(GetParam().instant);
    else
        ExpectLeftAsItWas(before);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, KernelEdgeTest,
    ::testing::Values(EdgeCase{"LatestOfTheBackendsRange", PosixClock::kRange.latest, true},
                      EdgeCase{"OneMillisecondPastTheBackendsRange",
                               PosixClock::kRange.latest + milliseconds{1}, false},
                      EdgeCase{"TheNanosecondWraparoundOf2262", Utc("2262-04-11 23:47:16.000"),
                               false},
                      // The kernel refuses a wall clock behind its own uptime; this machine has
                      // been up for more than the one millisecond past the epoch.
                      EdgeCase{"TheEpochItself", PosixClock::kRange.earliest, false},
                      EdgeCase{"AnHourAfterTheEpoch", Utc("1970-01-01 01:00:00.000"), true}),
    [](const auto& info) { return std::string(info.param.name); });

// A process that may not set the clock: its write is refused and the clock stays. With no
// system bus in this machine, the time service cannot be asked either.
class UnprivilegedWriteTest : public KernelClockTest,
                              public ::testing::WithParamInterface<UnprivilegedCaller> {};

TEST_P(UnprivilegedWriteTest, LeavesTheKernelClockAsItWas) {
    const nanoseconds before = WallOffset();
    const int status = InChildProcess(GetParam().become, [] {
        Clock(SystemClock()).WriteUtcClock(Record("2030-01-02 03:04:05.006"));
        return 0;
    });
    ASSERT_EQ(status, 0) << "the child could not give up the right to set the clock";
    ExpectLeftAsItWas(before);
}

INSTANTIATE_TEST_SUITE_P(Users, UnprivilegedWriteTest,
                         ::testing::Values(kRootWithoutCapSysTime, kNobody),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvelle::guest
