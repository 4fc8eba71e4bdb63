# Guest job: the shipped program over the guest's real clock, started and clicked as a person
# would: every date button at its place in the window, a refused step on the last day of a month,
# and a date picked and set across the change from summer to winter time. After each click the
# clock is read with date(1) and the "Today" calendar is compared with what it should show.
set -u
export TZ=Europe/Berlin DISPLAY=:0 XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 0700 -p "$XDG_RUNTIME_DIR"
program=$ORVELLE_BUILD_DIR/app/orvelle
probe=$ORVELLE_BUILD_DIR/vm/orvelle_today_probe
status=0
checks=0

fail() {
    echo "desktop job: $*"
    status=1
}

wait_for() { # what tries command...
    local what=$1 tries=$2 i
    shift 2
    for i in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "desktop job: $what did not come up"
    exit 1
}

# 12:00 summer time in Berlin on Monday 30 March 2026, the day after the clocks went forward.
date -u -s '2026-03-30 10:00:00' >/dev/null

Xvfb :0 -screen 0 800x600x24 -dpi 96 -nolisten tcp >/tmp/xvfb.log 2>&1 &
wait_for Xvfb 300 xdotool getdisplaygeometry

"$program" &
find_window() { window=$(xdotool search --onlyvisible --name '^Orvelle$' | head -n 1) && [ -n "$window" ]; }
wait_for "the Orvelle window" 300 find_window
find_window
# No window manager hands out the focus here; taking it is the window's first activation.
xdotool windowfocus --sync "$window"

# One probe answers every question about the calendar, over a pair of pipes.
mkfifo /tmp/probe.in /tmp/probe.out
"$probe" "$window" </tmp/probe.in >/tmp/probe.out &
exec 3>/tmp/probe.in 4</tmp/probe.out
calendar_shows() { # day, and where to leave the pictures when it is not shown
    local answer
    echo "$1 $ORVELLE_OUT_DIR/$2" >&3
    read -r answer <&4
    [ "$answer" = shown ]
}

# title, then the clock as date(1) shows it (UTC day and hour, local day and hour) and the day
# the Today calendar must circle.
expect() {
    checks=$((checks + 1))
    calendar_shows "$4" "check-$checks" || fail "$1: the Today calendar does not show $4"
    local utc local
    utc=$(date -u '+%F %H')
    local=$(date '+%F %H')
    [ "$utc" = "$2" ] || fail "$1: the clock reads $utc UTC, not $2"
    [ "$local" = "$3" ] || fail "$1: the clock reads $local local time, not $3"
    echo "$1: $(date -u) | $(date)"
}

click() { # x y in the window's client area
    xdotool mousemove --window "$window" "$1" "$2" click 1
}

expect "started" "2026-03-30 10" "2026-03-30 12" 2026-03-30
# The probe itself must tell one day from the next.
calendar_shows 2026-03-31 probe-self-check && fail "the probe cannot tell 30 from 31 March"

# The buttons' centres: each group box is 8 pixels from the left, the "+" 40 and the "-" 152
# pixels into it, both 75 wide; the rows are 24 pixels below the tops of their groups.
click 85 52
expect '"+" of "Set days"' "2026-03-31 10" "2026-03-31 12" 2026-03-31
# 31 March is the month's last day: 32 March does not exist and the clock refuses it.
click 85 52
sleep 1
expect '"+" of "Set days" on the last day of the month' "2026-03-31 10" "2026-03-31 12" 2026-03-31
click 197 52
expect '"-" of "Set days"' "2026-03-30 10" "2026-03-30 12" 2026-03-30
click 85 132
expect '"+" of "Set months"' "2026-04-30 10" "2026-04-30 12" 2026-04-30
click 197 132
expect '"-" of "Set months"' "2026-03-30 10" "2026-03-30 12" 2026-03-30
click 85 212
expect '"+" of "Set years"' "2027-03-30 10" "2027-03-30 12" 2027-03-30
click 197 212
expect '"-" of "Set years"' "2026-03-30 10" "2026-03-30 12" 2026-03-30

# The picker shows 30 Mar 2026; ten steps down on its day make it 20 March, in winter time.
# "Set" keeps the local time of day, 12 o'clock, which is now 11:00 UTC.
click 24 285
xdotool key --delay 50 --repeat 10 Down
click 232 284
expect '"Set" with 20 March picked' "2026-03-20 11" "2026-03-20 12" 2026-03-20

echo "desktop job: $checks checks"
exit $status
