#!/usr/bin/env bash
# Sets up, builds and runs Vantrel. Arguments are passed to the program (a file to open).
# Without a display the program runs in a virtual one (xvfb-run), which the user cannot see.
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
program="$top/build/Vantrel/vantrel"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Vantrel: no DISPLAY is set; running in a virtual X display (xvfb-run)." >&2
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
