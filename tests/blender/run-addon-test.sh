#!/usr/bin/env bash
# Runs the add-on's tests in headless Blender, then its modal run in Blender
# with a window under Xvfb, with a user folder of their own, so the add-on is
# installed from its zip as a user would and nothing of the machine's Blender
# set-up is touched.
# usage: run-addon-test.sh ADDON.zip BURSTKIN_CLI_FOLDER
set -euo pipefail
if ! command -v blender >/dev/null 2>&1; then
  echo "SKIP: blender is not installed (Debian package blender)"
  exit 0
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export BLENDER_USER_SCRIPTS="$home/scripts" BLENDER_USER_CONFIG="$home/config" PATH="$2:$PATH"
here=$(dirname "$0")
blender -b --factory-startup --python-exit-code 1 --python "$here/addon_test.py" -- "$1"
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "note: xvfb-run is not installed; the modal run is not tested"
  exit 0
fi
# TMPDIR: Blender with a window leaves its session (quit.blend) there on quitting.
TMPDIR="$home" xvfb-run -a -s "-screen 0 1280x800x24" \
  blender --factory-startup --python "$here/modal_test.py" -- "$1" | tee "$home/modal.log"
grep -q "^modal run: OK" "$home/modal.log"
