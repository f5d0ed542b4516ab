#!/usr/bin/env bash
# Runs the add-on's tests in headless Blender with a user folder of their own,
# so the add-on is installed from its zip as a user would and nothing of the
# machine's Blender set-up is touched.
# usage: run-addon-test.sh ADDON.zip BURSTKIN_CLI_FOLDER
set -euo pipefail
if ! command -v blender >/dev/null 2>&1; then
  echo "SKIP: blender is not installed (Debian package blender)"
  exit 0
fi
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
BLENDER_USER_SCRIPTS="$home/scripts" BLENDER_USER_CONFIG="$home/config" PATH="$2:$PATH" \
  blender -b --factory-startup --python-exit-code 1 \
  --python "$(dirname "$0")/addon_test.py" -- "$1"
