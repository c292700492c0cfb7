#!/usr/bin/env bash
# Configures and builds Brindel in build/ (or in the folder given as first argument).
# Uses ccache when the machine has it (developers' machines; CI builds without it).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$here/build}"
shift || true
launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BRINDEL_BUILD_TYPE:-RelWithDebInfo}" \
  "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" --parallel "${BRINDEL_JOBS:-$(nproc)}"
