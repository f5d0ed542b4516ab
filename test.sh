#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the normal build, a
# second build under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# short fuzzing run of the file importer.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
if [ "${BURSTKIN_SKIP_BLENDER:-0}" = 1 ]; then
  burstkin_ensure_packages
else
  burstkin_ensure_packages "${BURSTKIN_PACKAGES[@]}" "${BURSTKIN_BLENDER_PACKAGES[@]}"
fi

# A local copy of the glTF validator for the glTF tests (skipped when npm
# cannot reach its registry).
if [ -x scripts/install-validator.sh ]; then
  scripts/install-validator.sh || echo "note: glTF validator not installed; its checks will be skipped"
fi

echo "== normal build =="
burstkin_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j 2 --timeout 600

echo "== sanitizer build (ASan + UBSan) =="
burstkin_build build-asan -DCMAKE_BUILD_TYPE=Debug -DBURSTKIN_SANITIZE=ON -DBURSTKIN_BUILD_BENCH=OFF
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j 2 --timeout 900

echo "== fuzzing the file readers =="
burstkin_build build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DBURSTKIN_FUZZ=ON -DBURSTKIN_BUILD_GUI=OFF -DBURSTKIN_BUILD_TESTS=OFF -DBURSTKIN_BUILD_BENCH=OFF
scripts/run-fuzz.sh build-fuzz "${BURSTKIN_FUZZ_SECONDS:-60}"
echo "All tests passed."
