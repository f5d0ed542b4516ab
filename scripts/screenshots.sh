#!/usr/bin/env bash
# Makes the README's pictures again: runs the window program under Xvfb and
# saves PNGs of the main window, of the three pages of the options sheet and
# of the glTF export settings
# (with examples/crate.cob imported) into docs/screenshots/, and the contact
# sheet docs/preview_crate.png and the seed sweep docs/sweep_crate.png with the
# README's own commands.
#   scripts/screenshots.sh [BUILD_DIR]     (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
burstkin_ensure_packages

build_dir=${1:-build}
if [ ! -f "$build_dir/build.ninja" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build_dir" --target burstkin burstkin-cli burstkin-preview

out=docs/screenshots
mkdir -p "$out"
BURSTKIN_SCREENSHOT="$(pwd)/$out" \
BURSTKIN_SCREENSHOT_OBJECT="$(pwd)/examples/crate.cob" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build_dir/src/ui/burstkin"
ls -l "$out"

# The contact sheet comes from the README's commands themselves.
sheet_run=$(mktemp -d)
scripts/readme-examples.sh "$build_dir" "$sheet_run" >/dev/null
cp "$sheet_run/docs/preview_crate.png" docs/preview_crate.png
cp "$sheet_run/docs/preview_crate_shell.png" "$sheet_run/docs/preview_crate_solid.png" docs/
cp "$sheet_run/docs/sweep_crate.png" docs/sweep_crate.png
rm -rf "$sheet_run"
ls -l docs/preview_crate.png docs/sweep_crate.png
