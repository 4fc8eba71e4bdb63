// Reads of the real clock only. Writes are tested inside a throwaway virtual machine, never on
// the machine that runs these tests.
#include "clock/clock.h"
#include "clock/posix_clock.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <ctime>

namespace orvelle {
namespace {

using namespace std::chrono;
using testing::ScopedTimeZone;
using testing::Utc;

UtcTime KernelNow() {
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return UtcTime{floor<milliseconds>(seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec})};
}

TEST(PosixClock, ReadsTheKernelsUtcClock) {
    PosixClock backend;
    Clock clock(backend);
    const UtcTime before = KernelNow();
    const auto read = UtcTimeOf(clock.ReadUtcClock());
    const UtcTime after = KernelNow();
    ASSERT_TRUE(read);
    EXPECT_LE(before, *read);
    EXPECT_LE(*read, after);
}

struct ZoneCase {
    const char* tz;
    friend void PrintTo(const ZoneCase& c, std::ostream* os) { *os << c.tz << " at " << c.utc; }
    const char* utc;
    seconds offset;
};

class PosixClockZoneTest : public ::testing::TestWithParam<ZoneCase> {};

TEST_P(PosixClockZoneTest, TakesTheOffsetFromTheCLibrarysZoneRules) {
    const ScopedTimeZone zone(GetParam().tz);
    EXPECT_EQ(PosixClock{}.utcOffset(Utc(GetParam().utc)), GetParam().offset);
}

INSTANTIATE_TEST_SUITE_P(
    Zones, PosixClockZoneTest,
    ::testing::Values(ZoneCase{"UTC0", "2026-07-01 12:00:00.000", 0s},
                      ZoneCase{"<+0530>-5:30", "2026-07-01 12:00:00.000", 5h + 30min},
                      ZoneCase{"Europe/Berlin", "2026-01-15 12:00:00.000", 1h},
                      ZoneCase{"Europe/Berlin", "2026-07-15 12:00:00.000", 2h},
                      ZoneCase{"America/New_York", "2026-07-15 12:00:00.000", -4h},
                      ZoneCase{"Australia/Sydney", "2026-01-15 12:00:00.000", 11h}));

TEST(PosixClock, LocalNowIsTheKernelsClockInTheZone) {
    const ScopedTimeZone zone("<+0530>-5:30");
    PosixClock backend;
    Clock clock(backend);
    const TDateTime before =
        EncodeDateTime(RecordOf(LocalTime{(KernelNow() + 5h + 30min).time_since_epoch()}));
    const TDateTime now = clock.LocalNow();
    const TDateTime after =
        EncodeDateTime(RecordOf(LocalTime{(KernelNow() + 5h + 30min).time_since_epoch()}));
    EXPECT_LE(before, now);
    EXPECT_LE(now, after);
}

TEST(PosixClock, HoldsWhatTheKernelsSettimeofdayTakes) {
    EXPECT_EQ(PosixClock::kRange.earliest, Utc("1970-01-01 00:00:00.000"));
    EXPECT_EQ(PosixClock::kRange.latest, Utc("2232-04-18 23:47:15.999"));
}

} // namespace
} // namespace orvelle
