#!/usr/bin/env python3
"""Times the path in: from the start of a run to "processed 1%" (start-up,
tool checks, copying, renaming, conversion, staging, parameters, advertising
page, page list and page preparation).

Two series: corpora of a growing number of files (does the time grow with
the number of pages linearly?) and texts that are one single line (does it
grow linearly with the length of a line, in bounded memory?). The same files
are copied with cp and stripped of trailing blanks with sed as references.
Peak memory is the program's over its whole run (the phases after the path in
included, where they are built).
"""
import argparse
import os
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_corpus import write_corpus  # noqa: E402


def one_line_text(folder, megabytes):
    os.makedirs(folder, exist_ok=True)
    words = b"lorem ipsum <dolor> sit & amet consectetur adipiscing elit    "
    with open(os.path.join(folder, "one_line.txt"), "wb") as out:
        out.write(words * (megabytes * 1_000_000 // len(words)))


def time_path_in(program, work):
    local = os.path.join(work, os.path.basename(program))
    shutil.copy(program, local)
    start = time.monotonic()
    process = subprocess.Popen(["./" + os.path.basename(program)], cwd=work,
                               stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    process.stdin.write(b"1111\n\n")
    process.stdin.close()
    seconds = None
    for raw in process.stdout:
        if seconds is None and raw.strip() == b"processed 1%":
            seconds = time.monotonic() - start
    _, status, usage = os.wait4(process.pid, 0)
    if seconds is None or status != 0:
        raise SystemExit(f"the run ended with status {status} before processed 1%")
    return seconds, usage.ru_maxrss / 1024


def time_reference(command, work):
    start = time.monotonic()
    subprocess.run(command, cwd=work, shell=True, check=True)
    return time.monotonic() - start


def measure(program, work, label, size):
    seconds, peak = time_path_in(program, work)
    copy = time_reference("cp -r txt_in ref_copy", work)
    sed = time_reference("mkdir ref_sed && for f in txt_in/*; do "
                         "sed -e 's/ *$//' \"$f\" > ref_sed/\"${f##*/}\"; done", work)
    print(f"{label:28s} {size / 1e6:8.1f} MB  path in {seconds:7.2f} s  "
          f"{size / 1e6 / seconds:7.1f} MB/s  peak {peak:7.1f} MiB  "
          f"cp {copy:6.2f} s  sed {sed:6.2f} s  path in / sed {seconds / sed:5.1f}")
    return seconds


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program", help="path of the built program")
    parser.add_argument("--files", default="250,1000", help="file counts (10 KB of text per file)")
    parser.add_argument("--lines", default="10,50", help="sizes in MB of a one-line text")
    parser.add_argument("--work", default="/tmp/docbase_path_in")
    args = parser.parse_args()
    program = os.path.abspath(args.program)
    series = [("files", int(n)) for n in args.files.split(",") if n]
    series += [("line", int(n)) for n in args.lines.split(",") if n]
    times = {}
    for kind, amount in series:
        work = os.path.join(args.work, f"{kind}_{amount}")
        shutil.rmtree(work, ignore_errors=True)
        os.makedirs(work)
        if kind == "files":
            write_corpus(os.path.join(work, "txt_in"), max(1, amount // 100), amount)
            label = f"{amount} files"
        else:
            one_line_text(os.path.join(work, "txt_in"), amount)
            label = f"one line of {amount} MB"
        size = sum(os.path.getsize(os.path.join(work, "txt_in", f))
                   for f in os.listdir(os.path.join(work, "txt_in")))
        times.setdefault(kind, []).append((amount, measure(program, work, label, size)))
        shutil.rmtree(work, ignore_errors=True)
    for kind, runs in times.items():
        for (small, t_small), (large, t_large) in zip(runs, runs[1:]):
            print(f"{kind}: time ratio {large} / {small}: {t_large / t_small:.2f} "
                  f"(amount ratio {large / small:.1f})")


if __name__ == "__main__":
    main()
