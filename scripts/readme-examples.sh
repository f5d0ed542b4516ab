#!/usr/bin/env bash
# Runs every example command of the README (its ```sh blocks) with the
# programs of a build, in a fresh folder that holds the bundled examples, and
# fails when a command fails or does not leave the files it names.
# usage: scripts/readme-examples.sh BUILD_DIR [KEEP_DIR]
#   KEEP_DIR: run there instead of a temporary folder and keep what is written
#   (scripts/screenshots.sh takes the README's pictures from it).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
cli="$build/src/cli/burstkin-cli"
preview="$build/src/preview/burstkin-preview"
[ -x "$cli" ] || { echo "no command line built at $cli" >&2; exit 1; }

if [ -n "${2:-}" ]; then
  work=$2
  mkdir -p "$work"
  work=$(cd "$work" && pwd)
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi
ln -sfn "$root/examples" "$work/examples"
mkdir -p "$work/docs"
cd "$work"

# The README's commands, one a line: continuation lines joined, comments and
# blank lines dropped.
commands() {
  awk '
    /^```sh[[:space:]]*$/ { inside = 1; next }
    /^```/ { inside = 0; next }
    inside {
      line = $0
      sub(/[[:space:]]+#.*$/, "", line)
      if (line ~ /^[[:space:]]*#/) line = ""
      if (line ~ /\\[[:space:]]*$/) { sub(/\\[[:space:]]*$/, "", line); pending = pending line " "; next }
      line = pending line
      pending = ""
      if (line ~ /[^[:space:]]/) print line
    }' "$root/README.md"
}

ran=0
failed=0
while IFS= read -r command; do
  read -r -a words <<<"$command"
  case "${words[0]}" in
    ./run.sh|build/src/cli/burstkin-cli|burstkin-cli) words[0]=$cli ;;
    build/src/preview/burstkin-preview|burstkin-preview)
      if [ ! -x "$preview" ]; then
        echo "skipped (no viewer built): $command"
        continue
      fi
      words[0]=$preview ;;
    *) echo "not a Burstkin command: $command" >&2; failed=$((failed + 1)); continue ;;
  esac
  ran=$((ran + 1))
  status=0
  QT_QPA_PLATFORM=offscreen "${words[@]}" >"$work/last.out" 2>&1 </dev/null || status=$?
  if [ "$status" -ne 0 ]; then
    echo "FAILED (exit $status): $command" >&2
    cat "$work/last.out" >&2
    failed=$((failed + 1))
    continue
  fi
  # Every file the command names that is not one of the examples must now be there.
  for word in "${words[@]:1}"; do
    case "$word" in
      examples/*) ;;
      *.cob|*.glb|*.gltf|*.png)
        if [ ! -s "$word" ]; then
          echo "FAILED (no $word written): $command" >&2
          failed=$((failed + 1))
        fi ;;
    esac
  done
  echo "ok: $command"
done < <(commands)

echo "$ran README commands run, $failed failed"
[ "$ran" -gt 0 ] && [ "$failed" -eq 0 ]
