#!/usr/bin/env bash
# Builds Vitralis and makes its Debian package, build/vitralis_<version>_<arch>.deb,
# ready for `apt install ./build/vitralis_*.deb`. Only what the package holds is
# built: neither the tests nor the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build --preset default -j "$(nproc)" --target vitralis vitralis_linux_files
cd build
rm -f vitralis_*.deb
cpack -G DEB
ls -l vitralis_*.deb
