#!/usr/bin/env bash
# Runs the importer fuzzer for a while from a fresh copy of the seed corpus;
# fails on any finding. usage: run-fuzz.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=$2
fuzzer="$build/fuzz/import_fuzzer"
if [ ! -x "$fuzzer" ]; then
  echo "no fuzzer built at $fuzzer" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r fuzz/corpus/. "$work/" 2>/dev/null || true
"$fuzzer" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$build/" "$work"
