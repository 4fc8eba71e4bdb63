#pragma once

#include <chrono>
#include <sys/types.h>

// What /proc tells about a running process: its resident memory and the processor time all of
// its threads have used so far.
struct ProcessStats {
    long peakResidentKiB = 0;            // VmHWM
    long residentKiB = 0;                // VmRSS
    long cpuTicks = 0;                   // utime + stime, in clock ticks of the kernel's accounting
    std::chrono::nanoseconds cpuTime{0}; // time on a processor, summed over the threads

    // Processor time as the coarse ticks of /proc/<pid>/stat give it.
    std::chrono::nanoseconds cpuTickTime() const;
};

// Reads the figures of `pid`; those that cannot be read stay zero.
ProcessStats ReadProcessStats(pid_t pid);
