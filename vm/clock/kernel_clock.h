#pragma once

#include "clock/system_time.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

// Direct access to the kernel's clock for the tests that run in the throwaway machine: what
// they compare the clock operations against shares no code with them.
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

// Runs `body` in a child process after `prepare`, and gives the child's exit status, or -1 when
// it did not exit normally. For what must not happen in the test process itself, such as giving
// up the right to set the clock.
template <typename Prepare, typename Body>
int InChildProcess(Prepare prepare, Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (!prepare())
            _exit(100);
        body();
        _exit(0);
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace orvelle::guest
