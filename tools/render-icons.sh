#!/usr/bin/env bash
# Renders the program's icon, share/linux/org.vitralis.Vitralis.svg, into the
# PNG sizes the program carries for its windows and installs beside the SVG
# (share/linux/icons/N.png). Run it again after changing the drawing, and
# commit the pictures: the build and the program need no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get install -y -qq --no-install-recommends librsvg2-bin
fi
# The sizes are the build's (VITRALIS_ICON_SIZES in CMakeLists.txt).
sizes=$(sed -n 's/^set(VITRALIS_ICON_SIZES \(.*\))$/\1/p' CMakeLists.txt)
[ -n "$sizes" ] || { echo "VITRALIS_ICON_SIZES not found in CMakeLists.txt" >&2; exit 1; }
mkdir -p share/linux/icons
for n in $sizes; do
    rsvg-convert -w "$n" -h "$n" share/linux/org.vitralis.Vitralis.svg -o "share/linux/icons/$n.png"
done
ls -l share/linux/icons
