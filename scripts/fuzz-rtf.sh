#!/usr/bin/env bash
# Fuzzes the RTF reader with libFuzzer, under AddressSanitizer and UndefinedBehaviorSanitizer,
# for a bounded time.
#   scripts/fuzz-rtf.sh         one minute
#   scripts/fuzz-rtf.sh 600     ten minutes
# Installs clang and libFuzzer's runtime with apt-get when they are missing (through sudo when
# not run as root), builds in build-fuzz/ and starts from the seed corpus: the hand-written
# samples of fuzz/corpus/ (the hostile ones among them), the two documents of documents/ and
# the generated 1 MiB hostile documents (written to build-fuzz/hostile/). Inputs may grow to
# the reader's size cap, and each must be read and laid out within a second. New inputs are
# kept in build-fuzz/corpus/; an input that fails or takes too long is written to
# build-fuzz/findings/ and the script exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
    echo "usage: $0 [seconds]   (default 60)" >&2
    exit 2
fi

scripts/deps.sh
. scripts/lib/packages.sh
need_packages clang libclang-rt-dev llvm

build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVITRALIS_FUZZ=ON -DVITRALIS_BENCHMARKS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target rtf_fuzzer make_hostile

mkdir -p "$build/corpus" "$build/findings" "$build/hostile"
"$build/fuzz/make_hostile" "$build/hostile"

# Fontconfig keeps its caches to the end of the process: not a leak of ours.
echo "leak:libfontconfig.so" >"$build/lsan.supp"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/$build/lsan.supp}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$build/fuzz/rtf_fuzzer" "$build/corpus" fuzz/corpus documents "$build/hostile" \
    -dict=fuzz/rtf.dict \
    -max_total_time="$seconds" \
    -max_len=1048576 \
    -timeout=1 \
    -rss_limit_mb=4096 \
    -artifact_prefix="$build/findings/" \
    -print_final_stats=1
