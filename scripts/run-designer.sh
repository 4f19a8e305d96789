#!/usr/bin/env bash
# Installs what is missing, builds and starts GraphDeck Designer. Without arguments it opens the
# example dashboard in its theme; otherwise the arguments go to the designer (a page file,
# --theme, --skin, --project). Without a display it starts under Xvfb.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
source "$root/scripts/env.sh"
QT_QPA_PLATFORM=offscreen "$root/scripts/build.sh" "$root/build"
designer="$root/build/tools/graphdeck-designer"
args=("$@")
[ ${#args[@]} -eq 0 ] &&
  args=("$root/examples/pages/dashboard.json" --theme "$root/examples/pages/deck-theme")
if [ -n "${DISPLAY:-}" ]; then
  exec "$designer" "${args[@]}"
fi
echo "No DISPLAY: starting the designer under Xvfb." >&2
exec xvfb-run "${XVFB_ARGS[@]}" "$designer" "${args[@]}"
