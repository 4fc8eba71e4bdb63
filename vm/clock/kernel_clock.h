#pragma once

#include "clock/clock.h"
#include "clock/system_clock.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/capability.h>
#include <sys/wait.h>
#include <unistd.h>

// Helpers of the tests that run in the throwaway machine. They read and set the kernel's clock
// directly, so that what the clock operations are compared against shares no code with them.
namespace orvelle::guest {

using namespace std::chrono;

inline timespec ToTimespec(UtcTime t) {
    const auto whole = floor<seconds>(t);
    return {static_cast<std::time_t>(whole.time_since_epoch().count()),
            static_cast<long>(nanoseconds{t - whole}.count())};
}

inline nanoseconds Read(clockid_t id) {
    timespec ts{};
    clock_gettime(id, &ts);
    return seconds{ts.tv_sec} + nanoseconds{ts.tv_nsec};
}

inline UtcTime KernelNow() {
    return UtcTime{floor<milliseconds>(Read(CLOCK_REALTIME))};
}

// Puts the kernel's clock at `t`, by clock_settime itself.
inline void SetKernelClock(UtcTime t) {
    const timespec ts = ToTimespec(t);
    ASSERT_EQ(clock_settime(CLOCK_REALTIME, &ts), 0) << std::strerror(errno);
}

// The wall clock less the monotonic clock: it stays the same as time passes and changes only
// when somebody sets the clock, so comparing two readings tells "left as it was" from "set",
// whatever time went by in between.
inline nanoseconds WallOffset() {
    const nanoseconds monotonic = Read(CLOCK_MONOTONIC);
    return Read(CLOCK_REALTIME) - monotonic;
}

// How far two readings of WallOffset may drift apart without the clock being set: the two
// clocks are not read at the same instant, and the emulated machine may be descheduled between.
inline constexpr milliseconds kReadingSlack{20};

// How far a clock just set may be from where it was put when it is read back.
inline constexpr milliseconds kSetSlack{250};

// Whether the clock was just put at `target`: no earlier, and no later than it has had time to be.
inline bool ClockIsAt(UtcTime target, milliseconds slack = kSetSlack) {
    const auto off = KernelNow() - target;
    return off >= 0ms && off <= slack;
}

// The exit status of a child whose `prepare` failed.
inline constexpr int kNotPrepared = 100;

// Runs `body` in a child process after `prepare`, and gives the child's exit status (body's
// result), or -1 when it did not exit normally. For what must not happen in the test process
// itself, such as giving up the right to set the clock.
template <typename Prepare, typename Body>
int InChildProcess(Prepare prepare, Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!prepare())
            _exit(kNotPrepared);
        _exit(body());
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

// Every case starts from the same known instant, set by clock_settime itself.
class KernelClockTest : public ::testing::Test {
protected:
    void SetUp() override { SetKernelClock(kStart); }

    static inline const UtcTime kStart = orvelle::testing::Utc("2026-12-11 14:15:16.170");

    static void ExpectLeftAsItWas(nanoseconds offsetBefore) {
        EXPECT_LE(abs(WallOffset() - offsetBefore), kReadingSlack)
            << "the clock moved: it now reads " << orvelle::testing::Text(RecordOf(KernelNow()));
    }

    static void ExpectAt(UtcTime target) {
        EXPECT_TRUE(ClockIsAt(target))
            << "the clock reads " << orvelle::testing::Text(RecordOf(KernelNow())) << ", not "
            << orvelle::testing::Text(RecordOf(target));
    }

    Clock clock{SystemClock()};
};

// Whether the kernel now refuses this process's clock_settime; a case that means to run without
// the right proves nothing otherwise.
inline bool KernelRefusesThisProcess() {
    const timespec now = ToTimespec(KernelNow());
    return clock_settime(CLOCK_REALTIME, &now) != 0 && errno == EPERM;
}

inline bool DropCapSysTimeFromTheEffectiveSet() {
    cap_t caps = cap_get_proc();
    const cap_value_t sysTime = CAP_SYS_TIME;
    const bool dropped = caps && cap_set_flag(caps, CAP_EFFECTIVE, 1, &sysTime, CAP_CLEAR) == 0 &&
                         cap_set_proc(caps) == 0;
    cap_free(caps);
    return dropped && KernelRefusesThisProcess();
}

inline bool BecomeNobody() {
    return setgid(65534) == 0 && setuid(65534) == 0 && KernelRefusesThisProcess();
}

// A process without the right to set the clock, and how it came to be one.
struct UnprivilegedCaller {
    const char* name;
    friend void PrintTo(const UnprivilegedCaller& c, std::ostream* os) { *os << c.name; }
    bool (*become)();
};

inline const UnprivilegedCaller kRootWithoutCapSysTime{"RootWithoutCapSysTime",
                                                       DropCapSysTimeFromTheEffectiveSet};
inline const UnprivilegedCaller kNobody{"UserNobody", BecomeNobody};

} // namespace orvelle::guest
