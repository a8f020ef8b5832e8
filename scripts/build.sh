#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [extra cmake args...] [-- targets...]
# A folder that is already configured is configured again only when cmake arguments are given (the
# build itself regenerates when a CMakeLists.txt changed). Without targets everything is built.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
args=() targets=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do args+=("$1"); shift; done
if [ $# -gt 1 ]; then shift; targets=(--target "$@"); fi
if [ ! -f "$top/$dir/CMakeCache.txt" ] || [ ${#args[@]} -gt 0 ]; then
  cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${args[@]}" >/dev/null
fi
cmake --build "$top/$dir" -j"$(nproc)" "${targets[@]}"
