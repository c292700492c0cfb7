#!/usr/bin/env bash
# Configures and builds Brindel in build/ (or in the folder given as first argument).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
shift || true
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BRINDEL_BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
