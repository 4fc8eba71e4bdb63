// The Linux backend through systemd-timedated, for processes without the right to set the clock
// themselves. The guest job starts a system bus, polkitd and timedated, and runs each suite in
// the setting it is about: polkit allowing, polkit denying, timedated refusing.
#include "kernel_clock.h"

namespace orvelle::guest {
namespace {

using testing::Record;
using testing::Utc;

class CallerTest : public KernelClockTest,
                   public ::testing::WithParamInterface<UnprivilegedCaller> {};

// Exit statuses of the child that writes, telling what it found.
enum ChildResult { kAsExpected = 0, kClockNotMoved = 1 };

// A call through the bus passes three processes and polkit's rules on an emulated machine.
constexpr milliseconds kBusSlack{2000};

// Where polkit lets the caller set the time.
using AuthorisedCallerTest = CallerTest;

// The command returns only once timedated has answered: the clock reads the new time at once.
TEST_P(AuthorisedCallerTest, ValidRecordMovesTheClockBeforeTheWriteReturns) {
    const int status = InChildProcess(GetParam().become, [] {
        Clock(SystemClock()).WriteUtcClock(Record("2030-01-02 03:04:05.006"));
        return ClockIsAt(Utc("2030-01-02 03:04:05.006"), kBusSlack) ? kAsExpected : kClockNotMoved;
    });
    EXPECT_EQ(status, kAsExpected);
}

// Each step reads the clock that the one before left: none is lost, none taken twice.
TEST_P(AuthorisedCallerTest, StepsInARowEachTakeEffectOnce) {
    const int status = InChildProcess(GetParam().become, [] {
        Clock clock(SystemClock());
        clock.StepDate(&SYSTEMTIME::wDay, +1);
        clock.StepDate(&SYSTEMTIME::wDay, +1);
        clock.StepDate(&SYSTEMTIME::wMonth, -1);
        const bool at = ClockIsAt(kStart + days{2} - days{30}, kBusSlack);
        return at ? kAsExpected : kClockNotMoved;
    });
    EXPECT_EQ(status, kAsExpected);
}

INSTANTIATE_TEST_SUITE_P(Users, AuthorisedCallerTest,
                         ::testing::Values(kRootWithoutCapSysTime, kNobody),
                         [](const auto& info) { return std::string(info.param.name); });

// Where polkit says no, or timedated refuses by itself: the clock stays, and the process goes on
// as if nothing had been asked.
using RefusedCallerTest = CallerTest;

TEST_P(RefusedCallerTest, ValidRecordLeavesTheClockAsItWas) {
    const nanoseconds before = WallOffset();
    const int status = InChildProcess(GetParam().become, [] {
        Clock(SystemClock()).WriteUtcClock(Record("2030-01-02 03:04:05.006"));
        return kAsExpected;
    });
    EXPECT_EQ(status, kAsExpected);
    ExpectLeftAsItWas(before);
}

INSTANTIATE_TEST_SUITE_P(Users, RefusedCallerTest,
                         ::testing::Values(kRootWithoutCapSysTime, kNobody),
                         [](const auto& info) { return std::string(info.param.name); });

// Records that are no real date and time are turned away before anything is sent; the guest
// job watches the bus while these run and fails when any SetTime call shows up.
struct InvalidCase {
    const char* name;
    friend void PrintTo(const InvalidCase& c, std::ostream* os) { *os << c.name; }
    SYSTEMTIME record;
};

class InvalidRecordTest : public KernelClockTest,
                          public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidRecordTest, NeverReachesTheBus) {
    const nanoseconds before = WallOffset();
    const SYSTEMTIME record = GetParam().record;
    const int status = InChildProcess(kNobody.become, [record] {
        Clock(SystemClock()).WriteUtcClock(record);
        return kAsExpected;
    });
    EXPECT_EQ(status, kAsExpected);
    ExpectLeftAsItWas(before);
}

INSTANTIATE_TEST_SUITE_P(
    Records, InvalidRecordTest,
    ::testing::Values(InvalidCase{"Day32", Record("2026-12-32 10:00:00.000")},
                      InvalidCase{"Month13", Record("2026-13-11 10:00:00.000")},
                      InvalidCase{"PastTheKernelsLimit", Record("2232-04-18 23:47:16.000")}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvelle::guest
