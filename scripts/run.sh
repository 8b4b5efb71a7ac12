#!/usr/bin/env bash
# Sets up, builds and runs Vantrel. Arguments are passed to the program (a file to open).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ -x "$top/build/Vantrel/vantrel" ]; then
  exec "$top/build/Vantrel/vantrel" "$@"
fi
echo "Vantrel: the libraries are built in build/; the application is not part of the build yet."
