# shellcheck shell=bash
# The Windows part of the tests, sourced after common.sh: the clock library and the executable's
# resources cross-built with MinGW-w64 for 32-bit and 64-bit Windows, their tests run under wine.
# Wine's SetSystemTime never sets the host's clock; the tests run without the right to anyway.

# The "posix" thread variants of MinGW-w64: GoogleTest needs their std::mutex.
ORVELLE_WINDOWS_PACKAGES=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
    wine wine64 wine32:i386)

# 32-bit wine comes from the archive's i386 architecture, which dpkg has to know first.
need_windows_packages() {
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        if [ "$(id -u)" != 0 ]; then
            say "The Windows tests need the 32-bit wine. Install it and the cross compilers with:"
            say "  sudo dpkg --add-architecture i386 && sudo apt-get update"
            say "  sudo apt-get install --no-install-recommends ${ORVELLE_WINDOWS_PACKAGES[*]}"
            exit 1
        fi
        dpkg --add-architecture i386
    fi
    need_packages "${ORVELLE_WINDOWS_PACKAGES[@]}"
}

# Builds one Windows preset and runs its tests under wine, in the build's own wine prefix: wine
# is started first, detached, so that its services do not hold ctest's output open, and stopped
# after.
run_windows_preset() {
    local preset=$1 loader=$2 under_wine=ON
    say "== $preset build"
    if ! "$loader" --version >/dev/null 2>&1; then
        under_wine=OFF
        say "This machine cannot run $loader (a kernel without IA-32 emulation, or booted with"
        say "ia32_emulation=off, runs no 32-bit program): $preset is built and its resources"
        say "checked, but its tests do not run."
    fi
    build_preset "$preset" -DORVELLE_TEST_UNDER_WINE=$under_wine
    local prefix="$ORVELLE_ROOT/build/$preset/wineprefix" status=0
    if [ $under_wine = ON ]; then
        without_clock_rights "$ORVELLE_ROOT/cmake/toolchains/wine-run.sh" "$loader" "$prefix" \
            wineboot </dev/null >/dev/null 2>&1 || say "wine did not start in $prefix"
    fi
    without_clock_rights ctest --preset "$preset" --no-tests=error -j "$(nproc)" || status=1
    if [ $under_wine = ON ]; then
        WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    fi
    return $status
}

run_windows_tests() {
    need_windows_packages
    local status=0
    run_windows_preset windows-i686 wine || status=1
    # Debian keeps the 64-bit loader out of PATH.
    run_windows_preset windows-x86_64 "$(command -v wine64 || echo /usr/lib/wine/wine64)" ||
        status=1
    return $status
}
