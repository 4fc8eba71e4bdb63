#include "process_stats.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

std::string ProcPath(pid_t pid, const std::string& leaf) {
    return "/proc/" + std::to_string(pid) + "/" + leaf;
}

long StatusFieldKiB(const std::string& statusPath, const std::string& field) {
    std::ifstream in(statusPath);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(field + ":", 0) == 0)
            return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}

// utime and stime are the 14th and 15th fields; the command name before them is in
// parentheses and may hold spaces, so the count starts after its closing parenthesis.
long StatTicks(const std::string& statPath) {
    std::ifstream in(statPath);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const auto close = all.rfind(')');
    if (close == std::string::npos)
        return 0;
    std::istringstream fields(all.substr(close + 2));
    std::string skipped;
    for (int i = 3; i < 14; ++i)
        fields >> skipped;
    long utime = 0, stime = 0;
    fields >> utime >> stime;
    return utime + stime;
}

// Each thread's schedstat starts with its time on a processor in nanoseconds, far finer than
// the ticks of stat; the threads are summed, since an idle Qt program has several.
std::chrono::nanoseconds ThreadsOnCpu(pid_t pid) {
    std::chrono::nanoseconds total{0};
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(ProcPath(pid, "task"), error)) {
        std::ifstream in(task.path() / "schedstat");
        long long ns = 0;
        if (in >> ns)
            total += std::chrono::nanoseconds{ns};
    }
    return total;
}

} // namespace

std::chrono::nanoseconds ProcessStats::cpuTickTime() const {
    static const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    return std::chrono::nanoseconds{cpuTicks * 1'000'000'000LL / ticksPerSecond};
}

ProcessStats ReadProcessStats(pid_t pid) {
    ProcessStats stats;
    const auto status = ProcPath(pid, "status");
    stats.peakResidentKiB = StatusFieldKiB(status, "VmHWM");
    stats.residentKiB = StatusFieldKiB(status, "VmRSS");
    stats.cpuTicks = StatTicks(ProcPath(pid, "stat"));
    stats.cpuTime = ThreadsOnCpu(pid);
    return stats;
}
