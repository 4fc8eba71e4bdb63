#pragma once

#include <chrono>
#include <string>
#include <sys/types.h>
#include <vector>

// A program started by the probe, ended when the probe is done with it.
class ChildProcess {
public:
    // Starts `argv[0]` with the given arguments and the probe's environment; throws
    // std::runtime_error when it cannot be started.
    explicit ChildProcess(const std::vector<std::string>& argv);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }

    // False once the program has ended by itself.
    bool running();

    // Asks the program to end, and ends it outright if it has not within a second.
    void stop();

private:
    pid_t pid_ = -1;
    bool reaped_ = false;
    std::chrono::steady_clock::time_point startedAt_;
};
