#!/usr/bin/env bash
# Makes the README's Blender pictures again: Blender (with a window, under
# Xvfb) explodes a monkey head through the add-on and saves a screenshot of
# the window with the panel (docs/screenshots/blender_panel.png) and a frame
# rendered with Workbench (docs/blender_frame.png).
#   scripts/blender-pictures.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
cmake --build "$build_dir" --target burstkin-cli burstkin-blender-addon

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
# A file on the command line keeps the splash screen away.
blender -b --factory-startup --python-expr \
  "import bpy; bpy.ops.wm.save_as_mainfile(filepath='$home/start.blend')" >/dev/null
BLENDER_USER_SCRIPTS="$home/scripts" BLENDER_USER_CONFIG="$home/config" TMPDIR="$home" \
PATH="$(pwd)/$build_dir/src/cli:$PATH" \
  xvfb-run -a -s "-screen 0 1024x640x24" \
  blender --factory-startup "$home/start.blend" --python scripts/blender_pictures.py -- \
  "$build_dir/integrations/blender/burstkin-blender.zip" \
  "$(pwd)/docs/screenshots/blender_panel.png" "$(pwd)/docs/blender_frame.png"
ls -l docs/screenshots/blender_panel.png docs/blender_frame.png
