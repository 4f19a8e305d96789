#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless. GL tests get a real
# display from Xvfb; the others run on Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"

"$root/scripts/build.sh" "$root/build"
cd "$root/build"
xvfb-run "${XVFB_ARGS[@]}" ctest --output-on-failure -j2 --timeout 300
