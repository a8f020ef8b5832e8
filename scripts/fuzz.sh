#!/usr/bin/env bash
# Builds the TFTP datagram fuzz target with clang (ASan+UBSan+libFuzzer) and runs it for a bounded
# time from the committed seeds: fuzz.sh [SECONDS]. Exits non-zero on any crash or sanitizer report.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-30}
dir=$top/build-fuzz
cmake -S "$top" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DKTX_SANITIZE=ON -DKTX_FUZZ=ON >/dev/null
cmake --build "$dir" --target tftp_fuzz -j"$(nproc)"
work=$(mktemp -d /tmp/ktx-fuzz-corpus.XXXXXX)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# New inputs go to the scratch folder; the committed seeds stay as they are.
cd "$work"
"$dir/bin/tftp_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
  -artifact_prefix="$dir/" \
  "$work" "$top/tests/fuzz/corpus"
