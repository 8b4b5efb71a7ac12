#!/usr/bin/env bash
# Runs a program that leaks (in a virtual display) and checks that the leak check reported it
# and named each of the functions given; prints what is missing.
set -uo pipefail
program="$1" runner="$2"
shift 2
report="$(ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=1:abort_on_error=0" "$runner" "$program" 2>&1)"
status=0
if ! grep -q "ERROR: LeakSanitizer: detected memory leaks" <<<"$report"; then
  echo "no leak reported"
  status=1
fi
for function in "$@"; do
  if ! grep -q "in $function" <<<"$report"; then
    echo "the leak of $function was not reported"
    status=1
  fi
done
[ "$status" -eq 0 ] || printf '%s\n' "$report"
exit "$status"
