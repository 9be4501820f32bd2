#!/usr/bin/env python3
"""Writes an archive of NQ documents of mixed sizes for the batch benchmark:
most are letters of a few kilobytes, some are chapters, a few are long; each is NQ text
in runs of mixed formatting (bold, italic, underline, colour, size), in sub-folders.

    make_archive.py OUTDIR [COUNT]
    make_archive.py --one FILE MEGABYTES     (one long document, for the big-document benchmark)
"""
import os
import random
import sys

HEADER = (r"{\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset0 NQ;}}"
          r"{\colortbl;\red0\green0\blue0;\red200\green0\blue0;\red0\green0\blue160;}" "\n")
LETTERS = "abcdefghijklmnopqrstuvwxyzAEIOUKGCJTDPFV"


def run_text(rng, length):
    out = []
    for _ in range(length):
        roll = rng.randrange(100)
        if roll < 15:
            out.append(" ")
        elif roll < 70:
            out.append(rng.choice(LETTERS))
        else:
            out.append("\\'%02x" % rng.randrange(0xA1, 0x100))
    return "".join(out)


def document(rng, size):
    parts = [HEADER]
    written = len(HEADER)
    while written < size:
        paragraph = []
        for _ in range(rng.randrange(3, 9)):
            controls = "\\f0\\fs%d\\cf%d" % (28 + 4 * rng.randrange(4), 1 + rng.randrange(3))
            if rng.randrange(4) == 0:
                controls += "\\b"
            if rng.randrange(6) == 0:
                controls += "\\i"
            if rng.randrange(8) == 0:
                controls += "\\ul"
            paragraph.append("{%s %s}" % (controls, run_text(rng, rng.randrange(20, 80))))
        text = ("\\pard%s " % ("\\qc" if rng.randrange(5) == 0 else "")) + "".join(paragraph) + "\\par\n"
        parts.append(text)
        written += len(text)
    parts.append("}\n")
    return "".join(parts)


def main():
    if sys.argv[1] == "--one":
        with open(sys.argv[2], "w", encoding="ascii") as f:
            f.write(document(random.Random(20261210), int(float(sys.argv[3]) * 1048576)))
        print("made %s, %s MB" % (sys.argv[2], sys.argv[3]))
        return
    out = sys.argv[1]
    count = int(sys.argv[2]) if len(sys.argv) > 2 else 1000
    rng = random.Random(20261210)
    total = 0
    for i in range(count):
        roll = rng.random()
        if roll < 0.70:
            size = rng.randrange(1_000, 10_000)
        elif roll < 0.95:
            size = rng.randrange(10_000, 100_000)
        else:
            size = rng.randrange(100_000, 500_000)
        folder = os.path.join(out, "%d" % (2000 + i % 20))
        os.makedirs(folder, exist_ok=True)
        text = document(rng, size)
        with open(os.path.join(folder, "doc%04d.rtf" % i), "w", encoding="ascii") as f:
            f.write(text)
        total += len(text)
    print("made %d documents, %.1f MB, in %s" % (count, total / 1048576, out))


if __name__ == "__main__":
    main()
