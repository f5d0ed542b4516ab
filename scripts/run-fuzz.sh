#!/usr/bin/env bash
# Runs every fuzzer of a build for a share of the given time, each from a fresh
# copy of its seed corpus (fuzz/corpus/NAME for NAME_fuzzer); fails on any
# finding. usage: run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
mapfile -t fuzzers < <(find "$build/fuzz" -maxdepth 1 -name '*_fuzzer' -type f -perm -u+x | sort)
if [ ${#fuzzers[@]} -eq 0 ]; then
  echo "no fuzzer built in $build/fuzz" >&2
  exit 1
fi
share=$(( seconds / ${#fuzzers[@]} ))
[ "$share" -lt 5 ] && share=5
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer" _fuzzer)
  echo "== fuzzing $name for ${share}s =="
  work=$(mktemp -d)
  cp -r "fuzz/corpus/$name/." "$work/" 2>/dev/null || true
  status=0
  "$fuzzer" -max_total_time="$share" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$build/$name-" "$work" || status=$?
  rm -rf "$work"
  if [ "$status" -ne 0 ]; then
    echo "fuzzer $name found a failure (artifact in $build/)" >&2
    exit "$status"
  fi
done
