#!/usr/bin/env bash
# Configures and builds one build folder: build.sh DIR [extra cmake args...]
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
dir=$1; shift
cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$top/$dir" -j"$(nproc)"
