#!/usr/bin/env bash
# Builds the program and runs it on the bundled sample texts in a fresh
# working folder under the build tree, answering its prompts.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target docbase
program=$(find build/default -maxdepth 1 -name '*.exe' -type f | head -n 1)
work=build/default/sample_run
rm -rf "$work"
mkdir -p "$work/txt_in"
cp samples/*.txt "$work/txt_in/"
cp "$program" "$work/"
(cd "$work" && printf '1111\n\n' | "./$(basename "$program")")
echo
echo "Document base: $(realpath "$work/htm_out/index.htm")"
