#!/usr/bin/env bash
# Installs, with apt-get, whatever Vitralis needs to build, test and run that is
# not yet on this Debian 12 or 13 machine. Uses sudo when not run as root.
# A package the release does not carry (fonts-arkpandora is gone from Debian 13)
# is left out: the program falls back to a face with the same metrics.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh
need_packages build-essential cmake pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
    libbenchmark-dev xvfb xauth fonts-wine fonts-dejavu-core \
    qt6-translations-l10n desktop-file-utils appstream file
need_packages --optional fonts-arkpandora
