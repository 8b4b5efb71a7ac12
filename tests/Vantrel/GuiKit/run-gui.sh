#!/usr/bin/env bash
# Runs a GUI test program in a virtual X server of its own, with an empty home folder so that the
# program's settings start fresh and nothing of the user's is touched.
set -euo pipefail
home="$(mktemp -d "${TMPDIR:-/tmp}/vantrel-gui-XXXXXX")"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" NO_AT_BRIDGE=1 GTK_OVERLAY_SCROLLING=0
# A starting display number of its own, so that runs started together do not race for one.
# VELMO_GUI_SCREEN: another screen size, for a suite that needs one (a scaled screen).
log="$home/output.log"
# VELMO_GUI_SETTINGS: a key file of GLib's settings for a suite that needs its own, read from
# the home folder through GLib's key-file settings.
if [ -n "${VELMO_GUI_SETTINGS:-}" ]; then
  mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
  cp "$VELMO_GUI_SETTINGS" "$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"
  export GSETTINGS_BACKEND=keyfile
fi
# VELMO_GUI_ASAN_OPTIONS: sanitizer options for a suite that needs its own, after those given.
if [ -n "${VELMO_GUI_ASAN_OPTIONS:-}" ]; then
  export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}$VELMO_GUI_ASAN_OPTIONS"
fi
run() {
  set +e
  xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 ${VELMO_GUI_SCREEN:-1280x1024x24}" "$@" 2>&1 | tee "$log"
  local status="${PIPESTATUS[0]}"
  set -e
  return "$status"
}
status=0
run "$@" || status=$?
# The sanitizer build's leak checker stops the program's threads to scan them; now and then its
# own tracer dies doing so ("LeakSanitizer has encountered a fatal error"), after every test has
# passed and before any leak is looked for. That is no verdict on the suite, so it runs once more;
# a failed test or a leak report is never run again.
if [ "$status" -ne 0 ] && grep -q "LeakSanitizer has encountered a fatal error" "$log" &&
  ! grep -q "^\[  FAILED  \]" "$log" && ! grep -q "ERROR: LeakSanitizer: detected memory leaks" "$log"; then
  echo "run-gui.sh: the leak checker failed on its own, with no test failed: the suite runs once more" >&2
  status=0
  run "$@" || status=$?
fi
exit "$status"
