#!/usr/bin/env bash
# Installs what is missing, builds, and runs Burstkin.
#   ./run.sh              explodes the bundled example into exploded.cob
#   ./run.sh ARGS...      runs burstkin-cli with ARGS (try ./run.sh --help)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
burstkin_ensure_packages
burstkin_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

if [ $# -gt 0 ]; then
  exec build/src/cli/burstkin-cli "$@"
fi
build/src/cli/burstkin-cli info examples/crate.cob
build/src/cli/burstkin-cli explode examples/crate.cob exploded.cob --seed 1
echo "Wrote $(pwd)/exploded.cob"
