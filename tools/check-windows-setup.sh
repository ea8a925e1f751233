#!/usr/bin/env bash
# Installs the setup program in a new wine prefix as a Windows user would,
# silently, starts the installed program from its Start-menu shortcut, opens
# its glossary window, then uninstalls it and checks that Program Files, the
# Start menu and the list of installed programs are as they were.
#   tools/check-windows-setup.sh build-windows/vitralis-<version>-setup.exe [SHOTS_FOLDER]
# It needs a display (xvfb-run) and xdotool; it prints what it did and sees.
set -euo pipefail
setup=$(realpath "$1")
shots=${2:-}
. "$(dirname "$0")/../scripts/lib/packages.sh"
need_packages xdotool

export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vitralis-wine.XXXXXX")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
fail() { echo "check-windows-setup: FAILED: $*" >&2; exit 1; }
step() { echo "check-windows-setup: $*"; }

step "a new wine prefix"
wineboot --init >/dev/null 2>&1
wineserver -w
# Windows keeps Tahoma in its Fonts folder (see tools/wine-run.sh).
cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
rm -f "$WINEPREFIX/drive_c/windows/Fonts/tahomabd.ttf"

programs="$WINEPREFIX/drive_c/Program Files"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vitralis'
state() { (cd "$WINEPREFIX/drive_c" && find "Program Files" "ProgramData/Microsoft/Windows/Start Menu" \
    "users/Public/Desktop" 2>/dev/null | sort); }
before=$(state)

step "installing $(basename "$setup") silently (/S)"
wine "$setup" /S
wineserver -w
installed="$programs/Vitralis"
[ -f "$installed/vitralis.exe" ] || fail "no vitralis.exe in Program Files"
[ -f "$menu/Vitralis.lnk" ] || fail "no Start-menu shortcut"
step "installed: $(cd "$installed" && find . -type f | wc -l) files, $(du -sh "$installed" | cut -f1)"
step "Start menu: $(cd "$menu" && ls -d Vitralis*)"
wine reg query "$key" 2>/dev/null | tr -d '\r' | grep -a -E 'DisplayName|DisplayVersion|Publisher|DisplayIcon|UninstallString' |
    sed 's/^ */check-windows-setup:   /' || fail "no entry in the list of installed programs"

step "starting the shortcut's target, from the folder the shortcut gives"
trace=$(mktemp)
(cd "$installed" && WINEDEBUG=+file wine start /wait /unix "$menu/Vitralis.lnk" 2>"$trace") &
starter=$!
window=""
for _ in $(seq 1 120); do
    window=$(xdotool search --name '^Vitralis' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || fail "no window appeared"
sleep 3
[ -n "$shots" ] && mkdir -p "$shots" && import -window root "$shots/installed-main.png"
# From the list of remedies, back over "Quitter" to "Infos et Glossaire", and press it.
xdotool key --clearmodifiers shift+Tab shift+Tab space
for _ in $(seq 1 40); do
    xdotool search --name '^Informations - Glossaire' >/dev/null 2>&1 && break
    sleep 0.5
done
xdotool search --name '^Informations - Glossaire' >/dev/null 2>&1 || fail "the glossary window did not open"
sleep 2
[ -n "$shots" ] && import -window root "$shots/installed-glossary.png"
wineserver -k || true
wait "$starter" 2>/dev/null || true
for doc in Licencebis.rtf Liste.rtf; do
    if grep -a -i "NtCreateFile.*${doc}" "$trace" | grep -a -q -v 'returning\|STATUS_OBJECT'; then
        step "read $doc from the installed folder"
    else
        grep -a -i "$doc" "$trace" | head -n 5 >&2
        fail "$doc was not read"
    fi
done
rm -f "$trace"

step "uninstalling silently"
wine "$installed/uninstall.exe" /S
wineserver -w
sleep 2
wineserver -w
after=$(state)
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") >&2 || true
    fail "Program Files, the Start menu or the desktop differ from before the setup"
fi
wine reg query "$key" >/dev/null 2>&1 && fail "the entry in the list of installed programs remains"
step "Program Files, the Start menu and the list of installed programs are as before"
echo "check-windows-setup: passed"
