#!/bin/sh
# Runs one Windows program under wine: wine-run.sh LOADER PREFIX PROGRAM [ARGUMENTS...]
#
# Quiet, in a prefix of the build's own. Wine's background services start with the first
# program of a prefix and keep whatever output pipes that program had, so a caller reading its
# output (ctest) would wait for them forever: they are started here first, detached.
set -eu
loader=$1
export WINEPREFIX="$2"
shift 2
export WINEDEBUG=-all
# Debian keeps the 64-bit loader out of PATH.
if [ "$loader" = wine64 ] && ! command -v wine64 >/dev/null && [ -x /usr/lib/wine/wine64 ]; then
    loader=/usr/lib/wine/wine64
fi
# wineserver exits with 2 when one runs for this prefix already, and then it has been warmed.
if wineserver -p 120 </dev/null >/dev/null 2>&1; then
    "$loader" wineboot </dev/null >/dev/null 2>&1 || true
fi
exec "$loader" "$@"
