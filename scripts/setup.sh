#!/usr/bin/env bash
# Installs the Debian packages the build needs (when run as root or with sudo), then
# configures and builds into build/ (or the folder given as $1 with extra CMake flags after it).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$top/build}"
shift || true

missing=()
while read -r pkg; do
  [ -z "$pkg" ] && continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done < "$top/scripts/packages.txt"

if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=""; elif command -v sudo >/dev/null; then sudo="sudo"; else
    echo "Missing packages: ${missing[*]} (run as root or install them)" >&2; exit 1; fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
# A compiler cache, when the machine has one, makes rebuilds of several build folders cheap.
command -v ccache >/dev/null && generator+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$build" "${generator[@]}" "$@"
else
  cmake "$build" "$@" >/dev/null
fi
cmake --build "$build" -j "$(nproc)"
