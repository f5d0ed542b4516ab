#!/usr/bin/env bash
# Installs the Khronos glTF validator (npm package gltf-validator) into
# tools/node_modules for the glTF tests. Exits non-zero, quietly, when node or
# npm is missing or the registry cannot be reached; the tests then skip their
# validator checks and say so.
set -u
cd "$(dirname "$0")/.."
if [ -f tools/node_modules/gltf-validator/package.json ]; then
  exit 0
fi
command -v npm >/dev/null 2>&1 || exit 1
npm install --prefix tools --no-save --no-audit --no-fund --silent gltf-validator >/dev/null 2>&1 || exit 1
[ -f tools/node_modules/gltf-validator/package.json ]
