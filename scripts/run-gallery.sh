#!/usr/bin/env bash
# Installs what is missing, builds and starts the gallery. Without a display it starts under
# Xvfb (nothing to see then, but it shows that the program runs).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"
QT_QPA_PLATFORM=offscreen "$root/scripts/build.sh" "$root/build"
if [ -n "${DISPLAY:-}" ]; then
  exec "$root/build/app/graphdeck" "$@"
fi
echo "No DISPLAY: starting the gallery under Xvfb." >&2
exec xvfb-run "${XVFB_ARGS[@]}" "$root/build/app/graphdeck" "$@"
