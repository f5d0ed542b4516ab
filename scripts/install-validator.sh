#!/usr/bin/env bash
# Installs the glTF checkers the tests use into tools/node_modules: the
# Khronos glTF validator (npm package gltf-validator) and an independent
# glTF reader (@gltf-transform/core) that tools/node-transforms.mjs drives.
# Exits non-zero, quietly, when node or npm is missing or the registry cannot
# be reached; the tests then skip those checks and say so.
set -u
cd "$(dirname "$0")/.."
if [ -f tools/node_modules/gltf-validator/package.json ] &&
   [ -f tools/node_modules/@gltf-transform/core/package.json ]; then
  exit 0
fi
command -v npm >/dev/null 2>&1 || exit 1
npm install --prefix tools --no-save --no-audit --no-fund --silent gltf-validator @gltf-transform/core \
  >/dev/null 2>&1 || exit 1
[ -f tools/node_modules/gltf-validator/package.json ] &&
  [ -f tools/node_modules/@gltf-transform/core/package.json ]
