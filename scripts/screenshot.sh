#!/bin/sh
# Makes docs/screenshot.png: the demo program's window under a virtual X display. The demo runs
# over a clock of its own, so nothing here touches the machine's clock.
#
#   scripts/screenshot.sh [build directory]    (default: build/dev)
#
# Needs xvfb (xvfb-run), xdotool and ImageMagick (import, convert).
set -eu
root="$(cd "$(dirname "$0")/.." && pwd)"
out="$root/docs/screenshot.png"

if [ "${1:-}" != "--inside-display" ]; then
    build="$(cd "${1:-$root/build/dev}" && pwd)"
    [ -x "$build/app/orvelle-demo" ] || {
        echo "no demo program in $build/app: build it first" >&2
        exit 1
    }
    mkdir -p "$root/docs"
    # A fixed screen at 96 dots per inch, the resolution the window is laid out for.
    exec xvfb-run --auto-servernum --server-args="-screen 0 800x600x24 -dpi 96" \
        "$0" --inside-display "$build"
fi

# From here on inside the virtual display: start the demo, wait for its window, grab it.
demo="$2/app/orvelle-demo"
# One locale for every run, so the picture changes only with the date: US short dates, weeks
# from Sunday. Qt reads the name alone; the C library need not have the locale installed.
LC_ALL="" LANG=en_US.UTF-8 "$demo" &
demo_pid=$!
trap 'kill "$demo_pid" 2>/dev/null || true' EXIT
window=""
for _ in $(seq 100); do
    window="$(xdotool search --onlyvisible --name '^Orvelle$' 2>/dev/null | head -n 1)" || true
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || {
    echo "the demo window did not appear" >&2
    exit 1
}
# No window manager hands out the focus here; taking it is the window's first activation.
xdotool windowfocus --sync "$window"
sleep 1 # the first ticks and paints
import -window "$window" "$out"
# No time stamps or other chunks: the same picture gives the same bytes.
convert "$out" -strip "$out"
echo "wrote $out"
