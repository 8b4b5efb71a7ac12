#!/usr/bin/env bash
# Runs a GUI test program in a virtual X server of its own, with an empty home folder so that the
# program's settings start fresh and nothing of the user's is touched.
set -euo pipefail
home="$(mktemp -d "${TMPDIR:-/tmp}/vantrel-gui-XXXXXX")"
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_CONFIG_HOME="$home/.config" NO_AT_BRIDGE=1 GTK_OVERLAY_SCROLLING=0
# A starting display number of its own, so that runs started together do not race for one.
# VELMO_GUI_SCREEN: another screen size, for a suite that needs one (a scaled screen).
xvfb-run -a -n $((100 + $$ % 800)) -s "-screen 0 ${VELMO_GUI_SCREEN:-1280x1024x24}" "$@"
