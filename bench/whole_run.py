#!/usr/bin/env python3
"""Times whole runs of the program on generated corpora of several sizes.

For each size: a fresh working folder with the program and a generated
txt_in, one run answered through standard input, the time of every phase
(between the program's progress lines), the whole time, input MB/s and the
peak resident memory of the run. Ends with the time ratios between sizes.
"""
import argparse
import os
import resource
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_corpus import write_corpus  # noqa: E402


def input_bytes(folder):
    return sum(os.path.getsize(os.path.join(folder, name)) for name in os.listdir(folder))


def run_once(program, work, megabytes, files):
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    write_corpus(os.path.join(work, "txt_in"), megabytes, files)
    size = input_bytes(os.path.join(work, "txt_in"))
    local = os.path.join(work, os.path.basename(program))
    shutil.copy(program, local)
    start = time.monotonic()
    marks = [("start", start)]
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    process = subprocess.Popen(["./" + os.path.basename(program)], cwd=work,
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    process.stdin.write(b"1111\n\n")
    process.stdin.close()
    for raw in process.stdout:
        line = raw.decode("utf-8", "replace").strip()
        if line.startswith("processed "):
            marks.append((line, time.monotonic()))
    status = process.wait()
    end = time.monotonic()
    peak_kib = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    if status != 0:
        raise SystemExit(f"run of {megabytes} MB ended with status {status}")
    return size, end - start, marks, max(peak_kib, before)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program", help="path of the built program")
    parser.add_argument("--sizes", default="1,10,40", help="corpus sizes in MB")
    parser.add_argument("--work", default="/tmp/docbase_whole_run")
    parser.add_argument("--keep", action="store_true", help="keep the last working folder")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    results = []
    for megabytes in (int(s) for s in args.sizes.split(",")):
        files = max(2, megabytes * 5)
        work = os.path.join(args.work, f"{megabytes}mb")
        size, seconds, marks, peak = run_once(program, work, megabytes, files)
        results.append((megabytes, seconds))
        print(f"== {megabytes} MB corpus: {files} files, {size / 1e6:.2f} MB input")
        for (name, at), (_, before) in zip(marks[1:], marks[:-1]):
            print(f"   {name:16s} {at - before:9.2f} s")
        print(f"   whole run        {seconds:9.2f} s   {size / 1e6 / seconds:7.2f} MB/s   "
              f"peak memory {peak / 1024:.1f} MiB (largest child so far)")
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)
    for (small, t_small), (large, t_large) in zip(results, results[1:]):
        print(f"time ratio {large} MB / {small} MB: {t_large / t_small:.2f} "
              f"(size ratio {large / small:.1f})")


if __name__ == "__main__":
    main()
