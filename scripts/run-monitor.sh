#!/usr/bin/env bash
# Installs what is missing, builds and starts the bedside-monitor example (sweeping ECG and ICD
# traces). Arguments go to the example, e.g. --speed 50. Without a display it starts under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"
QT_QPA_PLATFORM=offscreen "$root/scripts/build.sh" "$root/build"
monitor="$root/build/examples/monitor/graphdeck-monitor"
if [ -n "${DISPLAY:-}" ]; then
  exec "$monitor" "$@"
fi
echo "No DISPLAY: starting the monitor under Xvfb." >&2
exec xvfb-run "${XVFB_ARGS[@]}" "$monitor" "$@"
