#!/usr/bin/env bash
# Installs what is missing, builds, and runs Burstkin.
#   ./run.sh              opens the window program (needs a display)
#   ./run.sh ARGS...      runs burstkin-cli with ARGS (try ./run.sh --help, or
#                         ./run.sh explode examples/crate.cob exploded.cob --seed 1)
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
burstkin_ensure_packages
# Quiet build; its output is shown only when it fails.
build_log=$(mktemp)
if ! burstkin_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$build_log" 2>&1; then
  cat "$build_log" >&2
  rm -f "$build_log"
  echo "error: the build failed (output above)" >&2
  exit 1
fi
rm -f "$build_log"

if [ $# -gt 0 ]; then
  exec build/src/cli/burstkin-cli "$@"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
No display is available, so the Burstkin window cannot open here.
Use the command-line front end instead, for example:
  ./run.sh explode examples/crate.cob exploded.cob --seed 1
  ./run.sh --help
(or start the window under a virtual display: xvfb-run ./run.sh)
MSG
  exit 1
fi
exec build/src/ui/burstkin
