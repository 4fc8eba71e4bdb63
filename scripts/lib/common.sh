# Shared by the project's scripts: where the tree is, and how missing Debian packages get in.

ORVELLE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

# The packages that building the program needs.
ORVELLE_BUILD_PACKAGES=(cmake make g++ qt6-base-dev qt6-qpa-plugins tzdata fonts-dejavu-core)

# What the tests need beyond that.
ORVELLE_TEST_PACKAGES=(libgtest-dev libcap2-bin desktop-file-utils appstream)

say() { printf '%s\n' "$*" >&2; }
die() { say "$*"; exit 1; }

# Installs whichever of the named Debian packages are missing: as root with apt-get, otherwise
# by telling the user the one line to run.
need_packages() {
    command -v dpkg-query >/dev/null ||
        die "Orvelle's scripts set up Debian 12. Elsewhere, install the equivalents of: $*"
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}\n' "$p" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$p")
    done
    ((${#missing[@]})) || return 0
    if [ "$(id -u)" != 0 ]; then
        say "Orvelle needs some Debian packages first. Install them with:"
        say "  sudo apt-get install --no-install-recommends ${missing[*]}"
        exit 1
    fi
    say "Installing ${missing[*]}"
    apt-get update -qq || die "apt-get update failed"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" \
        >/dev/null || die "apt-get install ${missing[*]} failed"
}

# Runs a command without the right to set the clock, so that nothing started from here can move
# this machine's time even by mistake. A user who is not root does not hold that right anyway.
without_clock_rights() {
    if [ "$(id -u)" = 0 ]; then
        capsh --drop=cap_sys_time -- -c '"$@"' capsh "$@"
    else
        "$@"
    fi
}

# Configures and builds one CMake preset of the tree, warnings as errors under CI.
build_preset() {
    local preset=$1
    shift
    local extra=()
    [ "${CI:-}" = true ] && extra+=(-DORVELLE_WERROR=ON)
    cmake --preset "$preset" -S "$ORVELLE_ROOT" "${extra[@]}" "$@" >/dev/null ||
        die "cmake could not configure the $preset build"
    cmake --build --preset "$preset" -j "$(nproc)" || die "the $preset build failed"
}
