#!/usr/bin/env bash
# Builds the program and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --workflow --preset default
