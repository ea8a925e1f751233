#!/usr/bin/env bash
# Takes the pictures of docs/windows/: the pages and the glossary window of the
# Windows build under wine, at 96 dpi and at 125% and 150% (wine's LogPixels 120
# and 144, in docs/windows/120 and docs/windows/144). Run scripts/windows.sh
# first. It uses the display in DISPLAY, or an Xvfb of its own.
#   tools/screenshots/wine.sh [OUTPUT_FOLDER]     (default docs/windows)
set -euo pipefail
cd "$(dirname "$0")/../.."
out=$(realpath -m "${1:-docs/windows}")
package=$(ls -d build-windows/package/vitralis-*-win64 | head -n 1)
tool=$(realpath build-windows/bin/vitralis_screenshots.exe)
export WINEPREFIX=${WINEPREFIX:-$HOME/.cache/vitralis/wine}
export WINEDEBUG=-all QT_QPA_PLATFORM=windows
if [ -z "${DISPLAY:-}" ]; then
    Xvfb :57 -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    export DISPLAY=:57
    sleep 1
fi
tools/wine-run.sh cmd /c exit >/dev/null 2>&1 || true # makes the prefix when it is new
for dpi in 96 120 144; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $dpi /f >/dev/null 2>&1
    wineserver -k || true
    wineserver -w
    shots=$out/$dpi
    [ "$dpi" = 96 ] && shots=$out
    mkdir -p "$shots"
    # The program's own folder is the start folder, as the Start-menu shortcut gives it.
    (cd "$package" && timeout 120 wine "$tool" "$(winepath -w "$shots")") || echo "$dpi dpi: the tool did not end"
    ls "$shots"
done
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f >/dev/null 2>&1
wineserver -k || true
