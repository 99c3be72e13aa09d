#!/usr/bin/env bash
# Builds the program and runs every test: unit, end-to-end and fuzz-replay
# tests through CTest, then the browser tests.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset default
if [ -d node_modules/playwright-core ]; then
  DOCBASE_PROGRAM="$(find "$PWD/build/default" -maxdepth 1 -name '*.exe' -type f | head -n 1)" \
    node --test tests/browser/
else
  echo "browser tests skipped: run 'npm ci' first"
  [ -z "${CI:-}" ] || exit 1
fi
