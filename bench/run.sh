#!/usr/bin/env bash
# Builds the benchmarks and measures the shipped program against a bare Qt window (the floor),
# under a virtual X server of its own: launch to first drawing, resident memory, idle cost, and
# the cost of single operations. Prints a table of the figures and their ratios to the floor.
#
#   bench/run.sh [--runs N] [--idle SECONDS] [--program PATH]
#
# --program measures another build of the program in the place of the one built here.
#
# Benchmarks are not tests: nothing here fails on a figure, and nothing here may set this
# machine's clock (every measured program runs without the right to).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/lib/common.sh"
source "$ORVELLE_ROOT/bench/lib/figures.sh"

runs=12
idle=60
program=
while (($#)); do
    case $1 in
    --runs) runs=$2; shift 2 ;;
    --idle) idle=$2; shift 2 ;;
    --program) program=$(realpath "$2"); shift 2 ;;
    *) die "usage: bench/run.sh [--runs N] [--idle SECONDS] [--program PATH]" ;;
    esac
done

need_packages "${ORVELLE_BUILD_PACKAGES[@]}" libcap2-bin libbenchmark-dev valgrind xvfb \
    libx11-dev libxdamage-dev

cd "$ORVELLE_ROOT"
build_preset bench
bin=build/bench
floor=$bin/bench/floor/bench_floor
orvelle=${program:-$bin/app/orvelle}
[ -x "$orvelle" ] || die "$orvelle was not built: the bench needs the window (ORVELLE_WINDOW)"

work=$(mktemp -d)
servers=()
cleanup() {
    local pid
    for pid in "${servers[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The measured programs see the same quiet environment: their own runtime folder, the X
# platform, and the zone the clock benchmarks run in.
mkdir -m 700 "$work/xdg"
export XDG_RUNTIME_DIR=$work/xdg QT_QPA_PLATFORM=xcb TZ=${TZ:-Europe/Berlin}
unset WAYLAND_DISPLAY

# Starts a virtual X server and leaves its display name in $display.
start_server() {
    local fd_file=$work/display.${#servers[@]}
    # Started straight from this shell, so that $! is the server itself.
    local xvfb=(Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24)
    if [ "$(id -u)" = 0 ]; then
        capsh --drop=cap_sys_time -- -c 'exec "$@"' capsh "${xvfb[@]}" 3>"$fd_file" >/dev/null 2>&1 &
    else
        "${xvfb[@]}" 3>"$fd_file" >/dev/null 2>&1 &
    fi
    servers+=($!)
    local tries=0
    until [ -s "$fd_file" ]; do
        ((++tries < 100)) || die "Xvfb did not start"
        sleep 0.05
    done
    display=:$(head -n1 "$fd_file")
}

probe() { # display output-file probe-options... -- program
    local display=$1 out=$2
    shift 2
    DISPLAY=$display without_clock_rights "$bin/bench/probe/bench_probe" "$@" >"$out" ||
        die "the probe failed: $*"
}

machine_before=$(machine_busy_sample)
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

# The calendar's place in the window, as laid out: the "Today" group at (288, 16), the calendar
# at (17, 26) inside it.
calendar=305,42,232,183

say "== launch to first drawing, $runs runs of each, in turns"
start_server
for ((i = 1; i <= runs; i++)); do
    for name in floor orvelle; do
        probe "$display" "$work/launch.$name.$i" --settle 1 --region "$calendar" -- "${!name}"
    done
done

say "== idle for $idle s, both programs side by side"
start_server
floor_display=$display
start_server
orvelle_display=$display
probe "$floor_display" "$work/idle.floor" --settle 5 --idle "$idle" --region "$calendar" \
    -- "$floor" &
floor_probe=$!
probe "$orvelle_display" "$work/idle.orvelle" --settle 5 --idle "$idle" --region "$calendar" \
    -- "$orvelle"
wait "$floor_probe"

say "== instructions to first drawing, under callgrind"
# Repeatable where the timings are not: everything each program runs from its start until a
# second after its first drawing, when the probe ends it. A program that forks leaves more
# than one file; the largest is the program itself.
for name in floor orvelle; do
    mkdir "$work/startup.$name"
    probe "$display" "$work/startup.$name.probe" --settle 1 --timeout 120 -- valgrind \
        --tool=callgrind --log-file="$work/startup.$name/valgrind.log" \
        --callgrind-out-file="$work/startup.$name/callgrind.%p" "${!name}"
done

if [ -x "$bin/bench/midnight/bench_midnight" ]; then
    say "== the program passing local midnight"
    probe "$display" "$work/midnight" --settle 1 --idle 5 --region "$calendar" \
        -- "$bin/bench/midnight/bench_midnight" 3
fi

say "== single operations"
without_clock_rights "$bin/bench/micro/clock_commands_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_out="$work/micro.csv" \
    --benchmark_out_format=csv >/dev/null 2>&1
if [ -x "$bin/bench/micro/tick_bench" ]; then
    QT_QPA_PLATFORM=offscreen without_clock_rights "$bin/bench/micro/tick_bench" \
        --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
        --benchmark_out="$work/tick.csv" --benchmark_out_format=csv >/dev/null 2>&1
    tail -n +2 "$work/tick.csv" | grep -v '^name' >>"$work/micro.csv"
fi
# Instructions are counted inside Timer1Timer only, over a tick that finds the same date and
# one that finds a new date.
ticks=1000
if [ -x "$bin/bench/micro/tick_count" ]; then
    for kind in same-day new-day; do
        QT_QPA_PLATFORM=offscreen without_clock_rights valgrind --tool=callgrind \
            --callgrind-out-file="$work/callgrind.$kind" --collect-atstart=no \
            '--toggle-collect=*TForm1::Timer1Timer*' "$bin/bench/micro/tick_count" "$ticks" \
            "$kind" >/dev/null 2>&1
    done
fi

machine_after=$(machine_busy_sample)
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

print_table
