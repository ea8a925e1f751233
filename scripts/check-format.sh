#!/usr/bin/env bash
# Checks that the C++ sources are laid out as .clang-format says; exits non-zero
# and lists the files that differ otherwise. `scripts/check-format.sh --fix`
# formats them in place.
# The tree is kept with clang-format 14 (Debian 12's). Other major versions lay
# out a few constructs differently, so with another version the check only says
# it was left out.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/packages.sh
need_packages clang-format
kept=14
major=$(clang-format --version | sed -n 's/.*version \([0-9]*\)\..*/\1/p')
if [ "$major" != "$kept" ]; then
    echo "Format check left out: clang-format $major here, the tree is kept with $kept."
    exit 0
fi
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' \
    'bench/*.cpp' 'bench/*.h' 'fuzz/*.cpp' 'fuzz/*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not laid out as .clang-format says (scripts/check-format.sh --fix mends them):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "Format check: ${#files[@]} files laid out as .clang-format says."
