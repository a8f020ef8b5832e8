#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: a bounded fuzz run of the TFTP datagram handling
# and of the conversions of device answers, then the suite plain and once more under ASan+UBSan
# (its summary is the run's last line).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$(mktemp -d /tmp/ktx-runtime.XXXXXX)
chmod 700 "$XDG_RUNTIME_DIR"
"$top/scripts/build.sh" build
"$top/scripts/build.sh" build-asan -DKTX_SANITIZE=ON
# Bounded fuzzing of the TFTP datagram handling and the answer conversions (clang, libFuzzer, ASan+UBSan).
"$top/scripts/fuzz.sh" 30
# A timing-sensitive case gets one more try on a loaded machine; a real fault fails both.
(cd "$top/build" && ctest --output-on-failure -j"$(nproc)" --timeout 300 --repeat until-pass:2)
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$top/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$top/build-asan" && ctest --output-on-failure -j"$(nproc)" --timeout 600 --repeat until-pass:2)
