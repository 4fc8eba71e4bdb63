#!/usr/bin/env bash
# Builds Orvelle and starts its window.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

need_packages "${ORVELLE_BUILD_PACKAGES[@]}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    die "There is no display to show Orvelle's window on. To run it headless, start it in a
virtual X server:  xvfb-run -a scripts/run.sh   (Debian package xvfb)"
fi

cd "$ORVELLE_ROOT"
build_preset default
exec build/default/app/orvelle
