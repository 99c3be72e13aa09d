#!/usr/bin/env python3
"""Writes a deterministic synthetic corpus of UTF-8 text files.

Words follow a Zipf distribution over a generated vocabulary that includes
non-ASCII words; lines are 5 to 16 words long, paragraphs are separated by
empty lines, and some lines are indented.
"""
import argparse
import bisect
import os
import random

SYLLABLES = ["ka", "lo", "mi", "ne", "ru", "sa", "ti", "vo", "be", "do", "fi",
             "ga", "hu", "je", "ko", "la", "ma", "no", "pe", "re", "st", "tr",
             "an", "en", "in", "on", "ar", "er", "or", "ur"]
NON_ASCII = ["čas", "šola", "življenje", "Straße", "château", "mañana", "слово",
             "книга", "время", "λέξη", "θάλασσα", "日本語", "東京", "한국어"]
PUNCTUATION = ["", "", "", "", ",", ".", ";", ":", "!", "?"]


def vocabulary(rng, size):
    words = set()
    while len(words) < size:
        words.add("".join(rng.choice(SYLLABLES) for _ in range(rng.randint(1, 5))))
    words = sorted(words)
    rng.shuffle(words)
    for i, word in enumerate(NON_ASCII):
        words.insert(20 + i * 37, word)
    return words


def zipf_cumulative(size, exponent=1.07):
    total = 0.0
    cumulative = []
    for rank in range(1, size + 1):
        total += 1.0 / rank ** exponent
        cumulative.append(total)
    return cumulative


def write_corpus(folder, megabytes, files, seed=20261211):
    rng = random.Random(seed)
    words = vocabulary(rng, 40000)
    cumulative = zipf_cumulative(len(words))
    total = cumulative[-1]
    os.makedirs(folder, exist_ok=True)
    per_file = megabytes * 1_000_000 // files
    for number in range(files):
        with open(os.path.join(folder, f"book_{number:04d}.txt"), "w", encoding="utf-8",
                  newline="\r\n") as out:
            written = 0
            while written < per_file:
                count = rng.randint(5, 16)
                picked = [words[bisect.bisect_left(cumulative, rng.random() * total)]
                          for _ in range(count)]
                line = " ".join(word + rng.choice(PUNCTUATION) for word in picked)
                if rng.random() < 0.05:
                    line = "    " + line
                if rng.random() < 0.08:
                    line += "\n"
                out.write(line + "\n")
                written += len(line.encode("utf-8")) + 2


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("folder")
    parser.add_argument("--megabytes", type=int, default=1)
    parser.add_argument("--files", type=int, default=10)
    args = parser.parse_args()
    write_corpus(args.folder, args.megabytes, args.files)


if __name__ == "__main__":
    main()
