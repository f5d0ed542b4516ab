#!/usr/bin/env bash
# Writes the golden exports (tests/golden/NAME.cob and NAME.glb) again from
# tests/golden/cases.txt with the command line of a build. Run it only when a
# change of the output is meant, and say why in the commit.
# usage: scripts/update-golden.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
cli="${1:-build}/src/cli/burstkin-cli"
[ -x "$cli" ] || { echo "no command line built at $cli" >&2; exit 1; }
while read -r name object options; do
  case "$name" in ''|'#'*) continue ;; esac
  # shellcheck disable=SC2086
  "$cli" explode "examples/$object" "tests/golden/$name.cob" --gltf "tests/golden/$name.glb" \
    --quiet $options
  echo "wrote tests/golden/$name.cob and .glb"
done < tests/golden/cases.txt
