# Sourced by the scripts: a private runtime folder silences Qt's warning about it.
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -w "${XDG_RUNTIME_DIR}" ]; then
  XDG_RUNTIME_DIR="$(mktemp -d /tmp/graphdeck-runtime.XXXXXX)"
  chmod 700 "$XDG_RUNTIME_DIR"
  export XDG_RUNTIME_DIR
fi
XVFB_ARGS=(-a -s "-screen 0 1600x1000x24")
