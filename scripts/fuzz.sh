#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time (seconds,
# default 60), starting from its saved inputs in tests/fixtures/fuzz/<target>/.
# New inputs it finds go to build/fuzz/corpus/<target>/; a crash stops the run
# and leaves its input in build/fuzz/ to be kept as a regression case.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
for target in field_reader line_preparation word_extraction text_conversion whole_run; do
  corpus="build/fuzz/corpus/$target"
  mkdir -p "$corpus"
  echo "fuzzing $target for $seconds s"
  (cd build/fuzz && "./fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 \
    -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 "corpus/$target" \
    "../../tests/fixtures/fuzz/$target" 2>&1 | tail -n 12)
done
