#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headless, twice: the normal
# build in build/, then the sanitizer build in build-asan/ (AddressSanitizer, UBSan and
# LeakSanitizer; benchmarks skipped there). GL tests get a real display from Xvfb; the others
# run on Qt's offscreen platform.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"

# Line tables only (-g1): a quarter less compile time than full debug information, and
# failures still name file and line.
"$root/scripts/build.sh" "$root/build" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
(cd "$root/build" && xvfb-run "${XVFB_ARGS[@]}" ctest --output-on-failure -j2 --timeout 300)

# The sanitizer options also apply while building: test discovery runs the test programs.
source "$root/scripts/sanitize.env"
# -O1 with line tables only: about half the compile time of -O2 -g, and reports still name
# file and line.
"$root/scripts/build.sh" "$root/build-asan" -DGRAPHDECK_SANITIZE=ON -DGRAPHDECK_BENCH=OFF \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
cd "$root/build-asan"
xvfb-run "${XVFB_ARGS[@]}" ctest --output-on-failure -j2 --timeout 600
