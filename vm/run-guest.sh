#!/usr/bin/env bash
# Runs one job inside a throwaway QEMU machine with its own kernel clock, so that tests may set
# the clock for real without ever touching this machine's. The guest sees this machine's /usr and
# /etc read-only (with writable overlays that die with it), the source and build trees at their
# own paths, and one writable folder for what the job leaves behind. Its console is printed
# here, and the job's exit status becomes this script's.
#
#   run-guest.sh [--memory MiB] [--cpus N] [--timeout SECONDS] --build DIR --out DIR JOB
#
# JOB is a shell script of the source tree, run as root in the guest. The Debian kernel is
# downloaded once into ORVELLE_VM_CACHE (default: .cache/vm in the source tree).
set -euo pipefail

say() { printf 'run-guest: %s\n' "$*" >&2; }
die() {
    say "$*"
    exit 1
}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_dir=$(dirname "$here")
memory=512
cpus=1
limit=90
build_dir=
out_dir=
while (($#)); do
    case $1 in
    --memory) memory=$2 && shift 2 ;;
    --cpus) cpus=$2 && shift 2 ;;
    --timeout) limit=$2 && shift 2 ;;
    --build) build_dir=$(cd "$2" && pwd) && shift 2 ;;
    --out) out_dir=$2 && shift 2 ;;
    -*) die "unknown option $1" ;;
    *) break ;;
    esac
done
(($# == 1)) && [ -n "$build_dir" ] && [ -n "$out_dir" ] ||
    die "usage: run-guest.sh [--memory MiB] [--cpus N] [--timeout S] --build DIR --out DIR JOB"
job=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
[ -f "$job" ] || die "no job script $1"
mkdir -p "$out_dir"
out_dir=$(cd "$out_dir" && pwd)

# The kernel command line carries the paths, and it splits at white space.
for path in "$source_dir" "$build_dir" "$out_dir" "$job"; do
    [[ $path =~ [[:space:]] ]] && die "paths with white space cannot reach the guest: $path"
done

command -v qemu-system-x86_64 >/dev/null ||
    die "qemu-system-x86_64 is missing: install the Debian package qemu-system-x86"
for tool in cpio xz; do
    command -v $tool >/dev/null || die "$tool is missing: install the Debian package of that name"
done
busybox=/bin/busybox
file_is_static() { ! grep -q 'interpreter' < <(LC_ALL=C readelf -l "$1" 2>/dev/null); }
[ -x $busybox ] && file_is_static $busybox ||
    die "a static busybox is needed at $busybox: install the Debian package busybox-static"

cache=${ORVELLE_VM_CACHE:-$source_dir/.cache/vm}
mkdir -p "$cache"
cache=$(cd "$cache" && pwd)

# Debian's current kernel for amd64: the package that the linux-image-amd64 meta package names.
current_kernel_package() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        awk '$1 == "Depends:" && $2 ~ /^linux-image-/ { print $2; exit }'
}

# Leaves in $cache/kernel/NAME the uncompressed kernel, the few modules the guest's init loads
# and their modules.dep, and names it in $cache/kernel/current.
fetch_kernel() {
    local package
    package=$(current_kernel_package || true)
    if [ -z "$package" ] && [ "$(id -u)" = 0 ]; then
        say "apt knows no kernel package yet; running apt-get update"
        apt-get update -qq >/dev/null 2>&1 || true
        package=$(current_kernel_package || true)
    fi
    [ -n "$package" ] || die "no Debian kernel package can be had: apt-cache knows no \
linux-image-amd64 (run apt-get update, or point ORVELLE_VM_CACHE at a filled cache)"

    local scratch=$cache/scratch
    rm -rf "$scratch"
    mkdir -p "$scratch"
    say "downloading $package once into $cache"
    # apt's sandbox user must be able to write where the package lands.
    chmod 0777 "$scratch"
    (cd "$scratch" && apt-get download -q "$package" >/dev/null 2>&1) ||
        die "apt-get download $package failed: the guest's kernel cannot be had"
    dpkg -x "$scratch"/"$package"_*.deb "$scratch/root" || die "cannot unpack $package"

    local version
    version=$(ls "$scratch/root/lib/modules")
    local kept=$cache/kernel/$package
    rm -rf "$kept"
    mkdir -p "$kept"
    # Booting the ELF image (through its PVH entry) skips the decompression, two to three
    # seconds of emulated time on every boot.
    local vmlinuz=$scratch/root/boot/vmlinuz-$version offset
    offset=$(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$vmlinuz" | head -n 1 | cut -d: -f1 || true)
    if [ -n "$offset" ]; then
        tail -c +$((offset + 1)) "$vmlinuz" | xz -dcq >"$kept/vmlinux" 2>/dev/null || true
    fi
    if [ "$(head -c 4 "$kept/vmlinux" 2>/dev/null | od -An -c | tr -d ' ')" != 177ELF ]; then
        cp "$vmlinuz" "$kept/vmlinux"
    fi

    # The virtio, 9p and overlay modules with everything they need, found through modules.dep.
    local modules=$scratch/root/lib/modules/$version
    $busybox depmod -b "$scratch/root" "$version" || die "depmod failed on $package"
    local wanted=(virtio_pci 9pnet_virtio 9p overlay) lines
    lines=$(grep -E "/($(
        IFS='|'
        echo "${wanted[*]}"
    ))\.ko:" "$modules/modules.dep") || die "$package lacks the virtio, 9p or overlay module"
    mkdir -p "$kept/modules/$version"
    local file
    for file in $(tr -d ':' <<<"$lines" | tr ' ' '\n' | sort -u); do
        mkdir -p "$kept/modules/$version/$(dirname "$file")"
        cp "$modules/$file" "$kept/modules/$version/$file"
        grep "^$file:" "$modules/modules.dep" >>"$kept/modules/$version/modules.dep"
    done
    rm -rf "$scratch"
    echo "$package" >"$cache/kernel/current"
}

# One download even when several guests start at once.
exec 9>"$cache/lock"
flock 9
if ! [ -s "$cache/kernel/current" ] || ! [ -f "$cache/kernel/$(cat "$cache/kernel/current")/vmlinux" ]; then
    fetch_kernel
fi
kernel=$cache/kernel/$(cat "$cache/kernel/current")
flock -u 9

# The initramfs: busybox, the init script and the modules. Rebuilt for every run: it takes a
# few milliseconds and can never be stale.
work=$(mktemp -d "$out_dir/.guest.XXXXXX")
qemu_pid=
cleanup() {
    [ -n "$qemu_pid" ] && kill "$qemu_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

mkdir -p "$work/initramfs/bin" "$work/initramfs/lib"
cp $busybox "$work/initramfs/bin/busybox"
cp "$here/guest/init" "$work/initramfs/init"
cp -r "$kernel/modules" "$work/initramfs/lib/modules"
(cd "$work/initramfs" && find . | cpio -o -H newc --quiet >"$work/initramfs.cpio") ||
    die "cpio could not build the initramfs"

share() { # tag path [readonly]
    printf -- '-virtfs\0local,path=%s,mount_tag=%s,security_model=none%s\0' "$2" "$1" \
        "${3:+,readonly=on}"
}
mapfile -d '' shares < <(
    share usr /usr ro
    share etc /etc ro
    share src "$source_dir" ro
    share build "$build_dir" ro
    share out "$out_dir"
    [ -d /var/cache/fontconfig ] && share fontcache /var/cache/fontconfig ro
)

console=$out_dir/console.log
: >"$console"
started=$(date +%s.%N)
# TCG: the machines this runs on have no usable KVM. timeout ends qemu alone, never anything else.
timeout --kill-after=5 "$limit" qemu-system-x86_64 \
    -accel tcg -cpu max -smp "$cpus" -m "$memory" \
    -nodefaults -no-user-config -display none -no-reboot \
    -serial "file:$console" \
    -kernel "$kernel/vmlinux" -initrd "$work/initramfs.cpio" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1 orvelle_throwaway=1 orvelle_src=$source_dir \
orvelle_build=$build_dir orvelle_out=$out_dir orvelle_job=$job" \
    "${shares[@]}" &
qemu_pid=$!
set +e
wait $qemu_pid
qemu_status=$?
set -e
qemu_pid=
elapsed=$(awk -v a="$started" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }')

tr -d '\r' <"$console" | grep -v '^orvelle-guest-exit-status=' || true
status=$(tr -d '\r' <"$console" | sed -n 's/^orvelle-guest-exit-status=\([0-9]*\)$/\1/p' | tail -n 1)
if [ -z "$status" ]; then
    if ((qemu_status == 124 || qemu_status == 137)); then
        die "the guest did not finish within ${limit}s"
    fi
    die "the guest ended without a result (qemu status $qemu_status) after ${elapsed}s"
fi
say "guest job $(basename "$job") finished with status $status after ${elapsed}s"
exit "$status"
