#include "child_process.h"

#include <csignal>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv) {
    std::vector<char*> args;
    for (const auto& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    startedAt_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ < 0)
        throw std::runtime_error("fork failed");
    if (pid_ == 0) {
        execvp(args[0], args.data());
        _exit(127);
    }
}

ChildProcess::~ChildProcess() {
    stop();
}

bool ChildProcess::running() {
    if (reaped_)
        return false;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == pid_)
        reaped_ = true;
    return !reaped_;
}

void ChildProcess::stop() {
    if (!running())
        return;
    kill(pid_, SIGTERM);
    for (int waited = 0; waited < 100 && running(); ++waited)
        std::this_thread::sleep_for(std::chrono::milliseconds{10});
    if (running()) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        reaped_ = true;
    }
}
