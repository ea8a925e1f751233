#!/usr/bin/env bash
# Builds Vitralis and runs every test: first a normal build, then the same suite
# under AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/test.sh          both runs
#   scripts/test.sh --quick  the normal run only
# Both first check that the sources are laid out as .clang-format says.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/check-format.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
ctest --preset default
if [ "${1:-}" != "--quick" ]; then
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize -j "$jobs"
    ctest --preset sanitize
fi
