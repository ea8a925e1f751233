#!/usr/bin/env bash
# Renders the program's icon, share/linux/org.vitralis.Vitralis.svg, into the
# PNG sizes the program carries for its windows and installs beside the SVG
# (share/linux/icons/N.png). Run it again after changing the drawing, and
# commit the pictures: the build and the program need no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh
need_packages librsvg2-bin cmake
# The sizes are the build's own (cmake/icons.cmake).
sizes=$(cmake -P cmake/icons.cmake)
[ -n "$sizes" ] || { echo "cmake/icons.cmake gave no icon sizes" >&2; exit 1; }
mkdir -p share/linux/icons
for n in $sizes; do
    rsvg-convert -w "$n" -h "$n" share/linux/org.vitralis.Vitralis.svg -o "share/linux/icons/$n.png"
done
ls -l share/linux/icons
