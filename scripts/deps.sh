#!/usr/bin/env bash
# Installs, with apt-get, whatever Vitralis needs to build, test and run that is
# not yet on this Debian 12 or 13 machine. Uses sudo when not run as root.
# A package the release does not carry (fonts-arkpandora is gone from Debian 13)
# is left out: the program falls back to a face with the same metrics.
set -euo pipefail
required=(build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libbenchmark-dev xvfb xauth fonts-wine fonts-dejavu-core
          qt6-translations-l10n desktop-file-utils appstream file)
optional=(fonts-arkpandora)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=()
for p in "${required[@]}" "${optional[@]}"; do
    installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
wanted=()
for p in "${missing[@]}"; do
    if [[ " ${optional[*]} " == *" $p "* ]] &&
       ! apt-cache policy "$p" 2>/dev/null | grep -q 'Candidate: [0-9]'; then
        echo "Not available on this release, left out: $p"
        continue
    fi
    wanted+=("$p")
done
[ ${#wanted[@]} -eq 0 ] && exit 0
echo "Installing: ${wanted[*]}"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${wanted[@]}"
