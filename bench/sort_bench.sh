#!/usr/bin/env bash
# Sorts generated word lists with the program's external sort and with
# LC_ALL=C sort in the same run, checks that both give the same lines and
# prints lines, seconds, the ratio and peak memory.
#
#   bench/sort_bench.sh [SIZE ...]      (default: 100000 1000000 2500000)
#
# Builds the bench preset (build/bench) first, or the build folder $BENCH_BUILD_DIR
# with benchmarks turned on.
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
build="${BENCH_BUILD_DIR:-}"
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000 2500000)

if [ -z "$build" ]; then
  build="$repo/build/bench"
  (cd "$repo" && cmake --preset bench > /dev/null)
else
  cmake -S "$repo" -B "$build" -DDOCBASE_BENCHMARKS=ON > /dev/null
fi
cmake --build "$build" -j2 --target make_records sort_file_bench > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

printf '%10s %10s %10s %8s %12s %12s\n' lines ours_s sort_s ratio ours_peak_MB sort_peak_MB
for lines in "${sizes[@]}"; do
  rm -rf "$work"/*
  "$build/bench/make_records" "$lines" "$work/wrd_01_01.txt" 1
  # sort compares lines without their LF; ours reads lines without CR LF.
  tr -d '\r' < "$work/wrd_01_01.txt" > "$work/lf_input.txt"

  ours=$( { /usr/bin/time -f '%e %M' "$build/bench/sort_file_bench" "$work" \
              wrd_01_01.txt wrd_01_02.txt > /dev/null; } 2>&1 | tail -n 1)
  theirs=$( { LC_ALL=C /usr/bin/time -f '%e %M' sort "$work/lf_input.txt" \
                -o "$work/reference.txt"; } 2>&1 | tail -n 1)

  if ! tr -d '\r' < "$work/wrd_01_02.txt" | cmp -s - "$work/reference.txt"; then
    echo "outputs differ for $lines lines" >&2
    exit 1
  fi
  read -r ours_s ours_kb <<< "$ours"
  read -r sort_s sort_kb <<< "$theirs"
  awk -v n="$lines" -v a="$ours_s" -v b="$sort_s" -v ma="$ours_kb" -v mb="$sort_kb" 'BEGIN {
    printf "%10d %10.2f %10.2f %8.2f %12.1f %12.1f\n", n, a, b, (b > 0 ? a / b : 0), ma / 1024, mb / 1024
  }'
done
