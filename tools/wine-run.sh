#!/usr/bin/env bash
# Runs a program of the Windows build under wine, as ctest does for every test
# of that build:  tools/wine-run.sh PROGRAM.exe [ARGUMENTS...]
# A QtTest program's report reaches wine's caller only through a file, so it
# is written to one and printed; the exit code is the program's.
set -uo pipefail
exe=$1
shift
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/vitralis/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# The real Windows platform, on the display the caller gives (Xvfb in the scripts).
export QT_QPA_PLATFORM=windows
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver -w
    # Windows keeps Tahoma in its Fonts folder; Debian's wine has its own copy
    # but does not show it to programs, so the prefix gets it there too. Not its
    # bold face, which loses strokes at text sizes: bold is drawn from the
    # regular one, as on Linux.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    rm -f "$WINEPREFIX/drive_c/windows/Fonts/tahomabd.ttf"
fi
case "$(basename "$exe")" in
tst_*)
    report=$(mktemp --suffix=.txt)
    trap 'rm -f "$report"' EXIT
    wine "$exe" "$@" -o "$(winepath -w "$report"),txt" 2>/dev/null
    rc=$?
    tr -d '\r' <"$report"
    exit $rc
    ;;
*)
    exec wine "$exe" "$@"
    ;;
esac
