#!/usr/bin/env bash
# Python lint of the Blender add-on, its tests and its picture script.
# usage: lint.sh SOURCE_DIR
set -euo pipefail
if ! command -v pyflakes3 >/dev/null 2>&1; then
  echo "SKIP: pyflakes3 is not installed (Debian package pyflakes3)"
  exit 0
fi
pyflakes3 "$1/integrations/blender" "$1/tests/blender" "$1/scripts/blender_pictures.py"
