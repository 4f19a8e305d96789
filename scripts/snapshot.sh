#!/usr/bin/env bash
# Builds and renders the gallery to PNG files under Xvfb.
#   scripts/snapshot.sh [snapshot options...]   e.g. --out shots --theme all --family line
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"
QT_QPA_PLATFORM=offscreen "$root/scripts/build.sh" "$root/build" >/dev/null
exec xvfb-run "${XVFB_ARGS[@]}" "$root/build/tools/graphdeck-snapshot" "$@"
