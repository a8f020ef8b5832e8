#!/usr/bin/env bash
# Builds the TFTP datagram and the value conversion fuzz targets with clang (ASan+UBSan+libFuzzer)
# and runs them for a bounded time in all from the committed seeds: fuzz.sh [SECONDS]. Exits
# non-zero on any crash or sanitizer report.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
dir=$top/build-fuzz
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKTX_SANITIZE=ON -DKTX_FUZZ=ON >/dev/null
cmake --build "$dir" --target tftp_fuzz conversion_fuzz -j"$(nproc)"
work=$(mktemp -d /tmp/ktx-fuzz-corpus.XXXXXX)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# New inputs go to scratch folders; the committed seeds stay as they are. Two thirds of the time go
# to the datagram target, one third to the conversions of device answers.
mkdir -p "$work/tftp" "$work/conversion"
cd "$work"
"$dir/bin/tftp_fuzz" -max_total_time="$((seconds - seconds / 3))" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$dir/" "$work/tftp" "$top/tests/fuzz/corpus"
"$dir/bin/conversion_fuzz" -max_total_time="$((seconds / 3))" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$dir/conversion-" "$work/conversion" "$top/tests/fuzz/conversion-corpus"
