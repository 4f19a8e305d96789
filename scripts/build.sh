#!/usr/bin/env bash
# Configures and builds into a build folder (incremental on later runs).
#   scripts/build.sh [BUILD_DIR] [extra cmake -D options...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
shift || true
jobs="${GRAPHDECK_JOBS:-2}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
elif [ $# -gt 0 ]; then
  cmake -S "$root" -B "$build" "$@"
fi
cmake --build "$build" -j"$jobs"
