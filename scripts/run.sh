#!/usr/bin/env bash
# Builds Vitralis and starts it. The program reads its two documents from the
# folder it starts in, so it starts in the build's bin/ folder, beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target vitralis
cd build/bin
exec ./vitralis
