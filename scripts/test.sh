#!/usr/bin/env bash
# Builds Orvelle and runs every test: the plain build, then the same tests under AddressSanitizer
# and UndefinedBehaviorSanitizer, then the clock and the resources cross-built for Windows, under
# wine. Nothing here may set this machine's clock; tests that write a real clock do so inside a
# throwaway virtual machine.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$(dirname "${BASH_SOURCE[0]}")/lib/windows-tests.sh"

need_packages "${ORVELLE_BUILD_PACKAGES[@]}" "${ORVELLE_TEST_PACKAGES[@]}"
cd "$ORVELLE_ROOT"

status=0
for preset in default sanitize; do
    say "== $preset build"
    build_preset "$preset"
    without_clock_rights ctest --preset "$preset" --no-tests=error -j "$(nproc)" || status=1
done
run_windows_tests || status=1
exit $status
