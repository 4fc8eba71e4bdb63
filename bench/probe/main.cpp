// Starts a program under an X server and measures it from outside: how long until the first
// drawing inside its window, its resident memory once it has settled, and, while it sits idle,
// the processor time it uses and every drawing the server does into its window.
//
//   bench_probe [--settle SECONDS] [--idle SECONDS] [--region X,Y,W,H] -- PROGRAM [ARGS...]
//
// Prints one "name value" line per figure.
#include "child_process.h"
#include "damage_watcher.h"
#include "process_stats.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

struct Options {
    duration<double> settle{0};
    duration<double> idle{0};
    duration<double> timeout{30};
    PixelRect region;
    std::vector<std::string> program;
};

Options ParseOptions(int argc, char* argv[]) {
    Options options;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        const std::string name = argv[i];
        if (i + 1 >= argc)
            throw std::invalid_argument(name + " needs a value");
        const char* value = argv[++i];
        if (name == "--settle")
            options.settle = duration<double>{std::stod(value)};
        else if (name == "--idle")
            options.idle = duration<double>{std::stod(value)};
        else if (name == "--timeout")
            options.timeout = duration<double>{std::stod(value)};
        else if (name == "--region")
            std::sscanf(value, "%d,%d,%d,%d", &options.region.x, &options.region.y,
                        &options.region.width, &options.region.height);
        else
            throw std::invalid_argument("unknown option " + name);
    }
    for (++i; i < argc; ++i)
        options.program.emplace_back(argv[i]);
    if (options.program.empty())
        throw std::invalid_argument("no program to start after --");
    return options;
}

double Milliseconds(steady_clock::duration d) {
    return duration<double, std::milli>(d).count();
}

void Report(const char* name, double value) {
    std::printf("%s %.6g\n", name, value);
}

// How much was drawn, and how much of it touched the region of interest.
void ReportDrawings(const char* prefix, const std::vector<Drawing>& drawings,
                    const PixelRect& region) {
    long area = 0, regionRects = 0, regionArea = 0;
    for (const auto& drawing : drawings) {
        area += drawing.rect.area();
        if (region.area() > 0 && drawing.rect.intersects(region)) {
            ++regionRects;
            regionArea += drawing.rect.area();
        }
    }
    const std::string p = prefix;
    Report((p + "_rects").c_str(), static_cast<double>(drawings.size()));
    Report((p + "_area").c_str(), static_cast<double>(area));
    Report((p + "_region_rects").c_str(), static_cast<double>(regionRects));
    Report((p + "_region_area").c_str(), static_cast<double>(regionArea));
}

int Run(const Options& options) {
    DamageWatcher watcher;
    ChildProcess child(options.program);

    const auto deadline =
        child.startedAt() + duration_cast<steady_clock::duration>(options.timeout);
    const auto first = watcher.waitForFirstDrawing(deadline);
    if (!first) {
        std::fprintf(stderr, "bench_probe: %s drew nothing within %.0f s\n",
                     options.program[0].c_str(), options.timeout.count());
        return 1;
    }
    Report("first_drawing_ms", Milliseconds(first->at - child.startedAt()));
    if (const auto mapped = watcher.firstMapping())
        Report("mapped_ms", Milliseconds(*mapped - child.startedAt()));

    const auto settled = first->at + duration_cast<steady_clock::duration>(options.settle);
    ReportDrawings("settle", watcher.collect(settled), options.region);
    const auto window = watcher.watchedGeometry();
    Report("window_width", window.width);
    Report("window_height", window.height);

    const auto before = ReadProcessStats(child.pid());
    Report("peak_rss_kib", static_cast<double>(before.peakResidentKiB));
    Report("rss_kib", static_cast<double>(before.residentKiB));

    if (options.idle.count() > 0) {
        const auto idleStart = steady_clock::now();
        const auto drawings =
            watcher.collect(idleStart + duration_cast<steady_clock::duration>(options.idle));
        const auto after = ReadProcessStats(child.pid());
        const double wall = duration<double>(steady_clock::now() - idleStart).count();
        Report("idle_s", wall);
        Report("idle_cpu_ticks", static_cast<double>(after.cpuTicks - before.cpuTicks));
        Report("idle_cpu_tick_pct",
               100.0 * duration<double>(after.cpuTickTime() - before.cpuTickTime()).count() / wall);
        Report("idle_cpu_pct",
               100.0 * duration<double>(after.cpuTime - before.cpuTime).count() / wall);
        Report("idle_peak_rss_kib", static_cast<double>(after.peakResidentKiB));
        Report("idle_rss_kib", static_cast<double>(after.residentKiB));
        ReportDrawings("idle", drawings, options.region);
    }

    if (!child.running()) {
        std::fprintf(stderr, "bench_probe: %s ended on its own\n", options.program[0].c_str());
        return 1;
    }
    child.stop();
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    try {
        return Run(ParseOptions(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_probe: %s\n", error.what());
        return 2;
    }
}
