#!/usr/bin/env bash
# Checks Vitralis on a fresh Debian, as a new user would meet it: debootstraps
# the release into a folder, clones the repository there, runs the README's
# commands (scripts/run.sh under Xvfb until the window shows, scripts/test.sh,
# scripts/package.sh), judges the .deb with lintian, then installs it with apt
# in a second fresh tree and starts the program from its desktop entry, from
# another folder than its documents'. With --windows, the Windows build takes
# the place of the .deb: scripts/windows.sh --test (both packages, every suite
# under wine, the setup installed, started and removed by
# tools/check-windows-setup.sh).
#
#   tools/check-debian.sh [--quick] [--base-only] [--reuse] [--package-only] [--windows] [--work DIR] [--ref REF] RELEASE [REPO]
#
# RELEASE is trixie (Debian 13) or bookworm (Debian 12); REPO is the repository
# to clone (this one by default) at REF (its HEAD by default). --quick passes
# --quick to scripts/test.sh (no sanitizer run); --base-only stops once the
# base system is ready; --reuse keeps the build tree of the last run and only
# checks out REF in it (an incremental build), instead of a fresh clone;
# --package-only leaves out run.sh and test.sh and goes straight to the package. Runs as root, needs debootstrap and Debian's mirror.
# With --windows, an archive that VITRALIS_QT_WINDOWS_ARCHIVE names is copied
# into the tree and given to the build, which takes it when it holds that
# release's Qt; without one, the tree builds its Qt for Windows from source.
# The base system is kept as DIR/base-RELEASE.tar between runs (delete it to
# start from scratch); every tree is made afresh from it. The logs, the .deb,
# lintian's report and screenshots end up in DIR/RELEASE/, the times and
# results in DIR/RELEASE/summary.txt.
set -euo pipefail

quick=""
base_only=""
reuse=""
package_only=""
windows=""
work=/var/tmp/vitralis-check
ref=HEAD
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
while [ $# -gt 0 ]; do
    case "$1" in
        --quick) quick=--quick; shift ;;
        --base-only) base_only=1; shift ;;
        --reuse) reuse=1; shift ;;
        --package-only) package_only=1; shift ;;
        --windows) windows=1; shift ;;
        --work) work=$2; shift 2 ;;
        --ref) ref=$2; shift 2 ;;
        -*) echo "unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
release=${1:?usage: $0 [--quick] [--work DIR] [--ref REF] RELEASE [REPO]}
repo=$(cd "${2:-$(dirname "$0")/..}" && pwd)
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap and chroot)" >&2; exit 2; }

out=$work/$release
base=$work/base-$release.tar
mkdir -p "$out"
log() { printf '[%s] %s\n' "$(date +%T)" "$*" | tee -a "$out/summary.txt"; }
mounted=()
cleanup() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[$i]}" 2>/dev/null || true; done
}
trap cleanup EXIT

# A fresh tree from the base tarball, with /proc, /dev and /sys of the host.
fresh_tree() {
    local root=$1
    rm -rf "$root"
    mkdir -p "$root"
    tar -C "$root" -xf "$base"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    for fs in proc dev dev/pts sys; do
        mount --bind "/$fs" "$root/$fs"
        mounted+=("$root/$fs")
    done
}
in_tree() { local root=$1; shift; chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin /bin/bash -c "$*"; }

if [ ! -f "$base" ]; then
    log "debootstrap $release (minbase) from $mirror"
    rm -rf "$work/base-$release"
    t0=$SECONDS
    debootstrap --variant=minbase --include=git,ca-certificates "$release" "$work/base-$release" "$mirror" \
        >"$out/debootstrap.log" 2>&1
    tar -C "$work/base-$release" -cf "$base" .
    rm -rf "$work/base-$release"
    log "base system ready in $((SECONDS - t0)) s: $base"
fi
[ -z "$base_only" ] || exit 0

# 1. The README's two commands on a clean clone.
build=$work/build-$release
commit=$(git -c safe.directory='*' -C "$repo" rev-parse "$ref")
if [ -n "$reuse" ] && [ -d "$build/root/vitralis/.git" ]; then
    for fs in proc dev dev/pts sys; do
        mount --bind "/$fs" "$build/$fs"
        mounted+=("$build/$fs")
    done
    git -c safe.directory="*" -C "$build/root/vitralis" fetch -q "$repo" "$commit"
    git -C "$build/root/vitralis" checkout -q "$commit"
    log "reused build tree, now at $(git -C "$build/root/vitralis" rev-parse --short HEAD)"
else
    fresh_tree "$build"
    git -c safe.directory='*' clone -q --no-local "$repo" "$build/root/vitralis"
    git -C "$build/root/vitralis" checkout -q "$commit"
    log "fresh clone of $repo at $(git -C "$build/root/vitralis" rev-parse --short HEAD)"
fi
# Only what the check itself uses goes in by hand: a display for run.sh and a
# way to see its window. Everything the program needs comes from scripts/deps.sh.
in_tree "$build" 'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils' \
    >"$out/tools.log" 2>&1

if [ -z "$package_only" ]; then
    t0=$SECONDS
    log "scripts/run.sh under Xvfb: waiting for the window \"Vitralis\""
    # The main window counts once it carries its class (the client leader, a
    # 1x1 window of the same name, has none).
    cat >"$build/root/run-check.sh" <<'SCRIPT'
#!/bin/bash
cd /root/vitralis
scripts/run.sh >/root/run.log 2>&1 & pid=$!
while kill -0 $pid 2>/dev/null; do
    if xwininfo -root -tree 2>/dev/null | grep -qE '"Vitralis": \("[^"]+" "[^"]+"\)'; then
        sleep 2; kill $pid; wait $pid 2>/dev/null; echo "window shown"; exit 0
    fi
    sleep 1
done
echo "no window"; exit 1
SCRIPT
    chmod +x "$build/root/run-check.sh"
    if in_tree "$build" 'xvfb-run -a -s "-screen 0 1280x1024x24" /root/run-check.sh' >"$out/run-check.log" 2>&1; then
        cp "$build/root/run.log" "$out/run.log"
        log "run.sh: window shown after $((SECONDS - t0)) s (build included)"
    else
        cp "$build/root/run.log" "$out/run.log" 2>/dev/null || true
        log "run.sh: FAILED after $((SECONDS - t0)) s, see $out/run.log"
        exit 1
    fi

    t0=$SECONDS
    log "scripts/test.sh $quick"
    if in_tree "$build" "cd /root/vitralis && scripts/test.sh $quick" >"$out/test.log" 2>&1; then
        log "test.sh: passed in $((SECONDS - t0)) s: $(grep -E 'tests passed' "$out/test.log" | tr '\n' ' ')"
    else
        log "test.sh: FAILED after $((SECONDS - t0)) s, see $out/test.log"
        exit 1
    fi
fi

# 2w. Or the Windows build: both packages, the suites under wine, the setup.
if [ -n "$windows" ]; then
    qt_env=""
    archive=${VITRALIS_QT_WINDOWS_ARCHIVE:-}
    if [ -n "$archive" ] && [ -f "$archive" ]; then
        cp "$archive" "$build/root/"
        qt_env="VITRALIS_QT_WINDOWS_ARCHIVE=/root/$(basename "$archive")"
        log "Qt for Windows: the archive $archive, when it holds this release's Qt"
    else
        log "Qt for Windows: built from Debian's source in the tree"
    fi
    t0=$SECONDS
    log "scripts/windows.sh --test"
    if in_tree "$build" "cd /root/vitralis && $qt_env scripts/windows.sh --test" >"$out/windows.log" 2>&1; then
        status=passed
    else
        status=FAILED
    fi
    grep -E '^build-qt-windows: |^Qt for Windows: |tests passed|tests failed|^check-windows-setup: (installed|passed|FAILED)' \
        "$out/windows.log" | sed 's/^/  /' | tee -a "$out/summary.txt"
    for f in "$build"/root/vitralis/build-windows/vitralis-*-win64.zip "$build"/root/vitralis/build-windows/vitralis-*-setup.exe; do
        [ -f "$f" ] || continue
        cp "$f" "$out/"
        log "package: $(basename "$f"), $(stat -c %s "$f") bytes"
    done
    log "windows.sh --test: $status in $((SECONDS - t0)) s, see $out/windows.log"
    [ "$status" = passed ] || { log "RESULT $release (Windows): FAILED"; exit 1; }
    log "RESULT $release (Windows): OK"
    exit 0
fi

# 2. The package, judged by lintian.
t0=$SECONDS
log "scripts/package.sh"
in_tree "$build" 'cd /root/vitralis && scripts/package.sh' >"$out/package.log" 2>&1
deb=$(ls "$build"/root/vitralis/build/vitralis_*.deb)
cp "$deb" "$out/"
deb=$(basename "$deb")
log "package: $deb, $(stat -c %s "$out/$deb") bytes, in $((SECONDS - t0)) s"
dpkg-deb -f "$out/$deb" Depends | sed 's/^/  Depends: /' | tee -a "$out/summary.txt"
in_tree "$build" 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian' >>"$out/tools.log" 2>&1
in_tree "$build" "lintian --info /root/vitralis/build/$deb" >"$out/lintian.txt" 2>&1 || true
log "lintian: $(grep -c '^E:' "$out/lintian.txt" || true) errors, $(grep -c '^W:' "$out/lintian.txt" || true) warnings (see lintian.txt)"
cleanup; mounted=()

# 3. apt install ./vitralis_*.deb in a fresh tree; start from the desktop entry.
inst=$work/install-$release
fresh_tree "$inst"
cp "$out/$deb" "$inst/root/"
t0=$SECONDS
if in_tree "$inst" "apt-get update -qq && cd /root && DEBIAN_FRONTEND=noninteractive apt-get install -y ./$deb" \
        >"$out/install.log" 2>&1; then
    log "apt install ./$deb: done in $((SECONDS - t0)) s"
else
    log "apt install ./$deb: FAILED, see $out/install.log"
    exit 1
fi
in_tree "$inst" 'DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends xvfb xauth x11-utils x11-apps xdotool strace' \
    >>"$out/tools.log" 2>&1
# Exec of the desktop entry, started from the home folder: the documents must
# come from the installed share/vitralis, not from the start folder.
cat >"$inst/root/start-entry.sh" <<'SCRIPT'
#!/bin/bash
set -u
entry=/usr/share/applications/$(ls /usr/share/applications | grep -i vitralis | head -1)
cmd=$(sed -n 's/^Exec=//p' "$entry" | head -1 | sed 's/ %[fFuU]//g')
class=$(sed -n 's/^StartupWMClass=//p' "$entry")
echo "entry: $entry; Exec: $cmd; StartupWMClass: $class"
cd /root
# -y names the file behind each descriptor, so a document opened relative to
# its folder shows its full path.
strace -f -qq -y -e trace=openat -o /root/opens.log $cmd & pid=$!
for i in $(seq 1 60); do
    # The main window: named "Vitralis" and carrying a class (the client
    # leader, a 1x1 window of the same name, has none).
    win=$(xwininfo -root -tree | grep -E '"Vitralis": \("[^"]+" "[^"]+"\)' | awk '{print $1}' | head -1)
    [ -n "$win" ] && break
    sleep 0.5
done
[ -n "$win" ] || { echo "no window"; exit 1; }
sleep 2
xprop -id "$win" WM_CLASS
xprop -id "$win" _NET_WM_ICON | head -1
xprop -id "$win" WM_CLASS | grep -q "\"$class\"" && echo "WM_CLASS matches StartupWMClass" || echo "WM_CLASS DIFFERS from StartupWMClass"
# The page "A propos" shows the first document, the glossary window the
# second; their selector and button sit in the top row of the main window.
xdotool mousemove --window "$win" $((8760 / 15 + 60)) $((180 / 15 + 14)) click 1
sleep 3
xwd -root -silent > /root/main.xwd
xdotool mousemove --window "$win" $((10800 / 15 + 50)) $((30 / 15 + 20)) click 1
sleep 10
xwd -root -silent > /root/glossary.xwd
# The program first (the first process in strace's log), then strace, which
# could otherwise wait on it for ever.
kill "$(head -1 /root/opens.log | cut -d' ' -f1)" 2>/dev/null
sleep 1
kill $pid 2>/dev/null; wait $pid 2>/dev/null
grep -E '(Licencebis|Liste)\.rtf' /root/opens.log | sed 's/^[0-9]* //'
SCRIPT
chmod +x "$inst/root/start-entry.sh"
if in_tree "$inst" 'xvfb-run -a -s "-screen 0 1280x1024x24" /root/start-entry.sh' >"$out/start-entry.log" 2>&1; then :; fi
cat "$out/start-entry.log" | sed 's/^/  /' | tee -a "$out/summary.txt"
for shot in main glossary; do
    [ -f "$inst/root/$shot.xwd" ] && convert "xwd:$inst/root/$shot.xwd" "$out/$shot.png" 2>/dev/null || true
done
if grep -q 'WM_CLASS matches' "$out/start-entry.log" &&
   grep -q 'share/vitralis/Licencebis.rtf>$' "$out/start-entry.log" &&
   grep -q 'share/vitralis/Liste.rtf>$' "$out/start-entry.log"; then
    log "installed program: started from its desktop entry in /root, both documents read from share/vitralis"
    log "RESULT $release: OK"
else
    log "RESULT $release: installed program check FAILED (see start-entry.log)"
    exit 1
fi
