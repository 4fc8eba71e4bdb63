# Turns the probe's and the benchmarks' outputs into the table that bench/run.sh prints.
# Reads $work, $runs, $idle, and the machine samples that run.sh took.

# One probe figure from one output file.
figure() { # file name
    awk -v name="$2" '$1 == name { print $2 }' "$1"
}

# The figure of every launch run of one program, one a line.
launch_figures() { # program name
    local i
    for ((i = 1; i <= runs; i++)); do figure "$work/launch.$1.$i" "$2"; done
}

# "median min max" of the numbers on standard input.
summary() {
    sort -g | awk '{ v[NR] = $1 }
        END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1], v[NR] }'
}

# The first number over the second, as "1.23x", or a dash when the second is zero.
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN { if (b == 0) print "-"; else printf "%.2fx\n", a / b }'
}

# Whether a figure is at most its limit.
at_most() {
    awk -v a="$1" -v b="$2" 'BEGIN { print (a != "-" && a + 0 <= b + 0) ? "yes" : "no" }'
}

# Busy and total processor time of the whole machine so far, from /proc/stat.
machine_busy_sample() {
    awk '$1 == "cpu" { total = 0; for (i = 2; i <= NF; i++) total += $i
        print total - $5 - $6, total }' /proc/stat
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f MiB\n", k / 1024 }'; }

row() { # figure floor orvelle ratio target met
    printf '| %s | %s | %s | %s | %s | %s |\n' "$@"
}

launch_row() {
    local f o
    read -r -a f < <(launch_figures floor first_drawing_ms | summary)
    read -r -a o < <(launch_figures orvelle first_drawing_ms | summary)
    local r
    r=$(ratio "${o[0]}" "${f[0]}")
    row "Launch to first drawing, median (min-max) of $runs" \
        "$(printf '%.0f ms (%.0f-%.0f)' "${f[@]}")" "$(printf '%.0f ms (%.0f-%.0f)' "${o[@]}")" \
        "$r" "<= 1.40x" "$(at_most "${r%x}" 1.40)"
}

memory_row() { # label probe-figure
    local f o r
    f=$(launch_figures floor "$2" | summary | cut -d' ' -f1)
    o=$(launch_figures orvelle "$2" | summary | cut -d' ' -f1)
    r=$(ratio "$o" "$f")
    row "$1, median of $runs" "$(mib "$f")" "$(mib "$o")" "$r" "<= 1.15x" "$(at_most "${r%x}" 1.15)"
}

idle_rows() {
    local f=$work/idle.floor o=$work/idle.orvelle r
    r=$(ratio "$(figure "$o" idle_rss_kib)" "$(figure "$f" idle_rss_kib)")
    row "Resident memory after $idle s idle (VmRSS)" "$(mib "$(figure "$f" idle_rss_kib)")" \
        "$(mib "$(figure "$o" idle_rss_kib)")" "$r" "<= 1.15x" "$(at_most "${r%x}" 1.15)"
    local fc oc
    fc=$(figure "$f" idle_cpu_pct)
    oc=$(figure "$o" idle_cpu_pct)
    row "Idle CPU over $idle s, threads' run time (schedstat)" "$(printf '%.4f %%' "$fc")" \
        "$(printf '%.4f %%' "$oc")" "$(ratio "$oc" "$fc")" "<= 0.03 % of a core" \
        "$(at_most "$oc" 0.03)"
    row "Idle CPU over $idle s, utime+stime ticks (stat)" \
        "$(printf '%.3f %% (%s ticks)' "$(figure "$f" idle_cpu_tick_pct)" "$(figure "$f" idle_cpu_ticks)")" \
        "$(printf '%.3f %% (%s ticks)' "$(figure "$o" idle_cpu_tick_pct)" "$(figure "$o" idle_cpu_ticks)")" \
        "$(ratio "$(figure "$o" idle_cpu_tick_pct)" "$(figure "$f" idle_cpu_tick_pct)")" \
        "<= 0.03 % of a core" "$(at_most "$(figure "$o" idle_cpu_tick_pct)" 0.03)"
    local calendar
    calendar=$(figure "$o" idle_region_rects)
    row "Drawings into the calendar in $idle s, date unchanged" "-" \
        "$calendar ($(figure "$o" idle_region_area) px)" "-" "0" "$(at_most "$calendar" 0)"
    row "Drawings anywhere in the window in $idle s" \
        "$(figure "$f" idle_rects) ($(figure "$f" idle_area) px)" \
        "$(figure "$o" idle_rects) ($(figure "$o" idle_area) px)" "-" "-" "-"
}

# Google Benchmark's median rows: name, then the processor time per operation in ns.
micro_rows() {
    awk -F, '$1 ~ /_median"?$/ { name = $1; gsub(/"|_median/, "", name)
        unit = $5; gsub(/"/, "", unit); t = $4
        if (unit == "us") t *= 1000; else if (unit == "ms") t *= 1e6
        if (t >= 1e6) shown = sprintf("%.2f ms", t / 1e6)
        else if (t >= 1e4) shown = sprintf("%.1f us", t / 1e3)
        else shown = sprintf("%.0f ns", t)
        printf "| `%s` | %s |\n", name, shown }' "$work/micro.csv"
}

# Instructions per tick, from callgrind's totals over the ticks that tick_count ran.
tick_instructions() { # same-day|new-day
    [ -f "$work/callgrind.$1" ] || return 0
    awk -v ticks="$ticks" '/^totals:/ { printf "%.0f\n", $2 / ticks; exit }' "$work/callgrind.$1"
}

# The instructions a program ran under callgrind from its start to its end.
startup_instructions() { # program
    cat "$work/startup.$1"/callgrind.* 2>/dev/null | awk '/^totals:/ && $2 > most { most = $2 }
        END { print most + 0 }'
}

startup_row() {
    local f o
    f=$(startup_instructions floor)
    o=$(startup_instructions orvelle)
    row "Instructions from start to 1 s after first drawing (callgrind)" \
        "$(awk -v n="$f" 'BEGIN { printf "%.1f M", n / 1e6 }')" \
        "$(awk -v n="$o" 'BEGIN { printf "%.1f M", n / 1e6 }')" "$(ratio "$o" "$f")" "-" "-"
}

# What passing midnight drew: in the calendar, and anywhere else in the window.
midnight_rows() {
    local m=$work/midnight
    [ -f "$m" ] || return 0
    local all inside
    all=$(figure "$m" idle_rects)
    inside=$(figure "$m" idle_region_rects)
    row "Drawings when the date changes at midnight" "-" \
        "$inside in the calendar ($(figure "$m" idle_region_area) of $((232 * 183)) px), $((all - inside)) elsewhere" \
        "-" "only what changed" "-"
}

busy_percent() {
    read -r b0 t0 <<<"$machine_before"
    read -r b1 t1 <<<"$machine_after"
    awk -v b="$((b1 - b0))" -v t="$((t1 - t0))" 'BEGIN { printf "%.0f %%\n", t ? 100 * b / t : 0 }'
}

print_table() {
    local qt cpu
    qt=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null | cut -d+ -f1)
    cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
    echo
    echo "Machine: $cpu, $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f GB", $2 / 1048576 }' /proc/meminfo)," \
        "$(. /etc/os-release && echo "$PRETTY_NAME"), kernel $(uname -r), Qt $qt, Xvfb."
    echo "Load average $load_before before, $load_after after; both cores $(busy_percent) busy" \
        "over the run (other work included)."
    echo
    row "Figure" "Floor (bare Qt window)" "orvelle" "Ratio" "Target" "Met"
    row "---" "---" "---" "---" "---" "---"
    launch_row
    startup_row
    memory_row "Peak resident memory (VmHWM)" peak_rss_kib
    memory_row "Resident memory 1 s after first drawing (VmRSS)" rss_kib
    idle_rows
    midnight_rows
    echo
    echo "| Operation, over the simulated clock | Processor time, median of 5 |"
    echo "| --- | --- |"
    micro_rows
    local kind count
    for kind in same-day new-day; do
        count=$(tick_instructions "$kind")
        [ -z "$count" ] || echo "| \`Timer1Timer\`, $kind, under callgrind | $count instructions per tick |"
    done
}
