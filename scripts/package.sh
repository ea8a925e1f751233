#!/usr/bin/env bash
# Builds Vitralis and makes its Debian package, build/vitralis_<version>_<arch>.deb,
# ready for `apt install ./build/vitralis_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
cd build
rm -f vitralis_*.deb
cpack -G DEB
ls -l vitralis_*.deb
