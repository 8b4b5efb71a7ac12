#!/usr/bin/env bash
# Sets up, builds and runs every test: once in an optimised build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. The GUI tests (label gui) run in both, each in
# a virtual X display; the figures of label perf are left to a run of their own
# (ctest --test-dir build -L perf -V).
set -euo pipefail
top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"

"$top/scripts/setup.sh" "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir "$top/build" --output-on-failure -j "$jobs" -LE perf

"$top/scripts/setup.sh" "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$top/build-asan" --output-on-failure -j "$jobs" -LE perf
echo "All tests passed (optimised and sanitizer builds)."
