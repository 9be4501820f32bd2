#!/usr/bin/env python3
"""Builds Norvelin's Bengali hunspell dictionary.

usage: make_dictionary.py --aff BTF.aff --dic BTF.dic --word-list bn_BD.dic
                          --loanwords loanwords.txt --output-aff OUT.aff --output-dic OUT.dic

The affix-rule dictionary (BTF) is the base: its words keep their classes. Words it has without
a class, the words of the plain word list it lacks, and the loanwords get Norvelin's noun
endings (suffix_model.py). Words the base marks as wrong (a leading '*') are left out, also
when the word list has them. Everything is brought to one spelling of each letter first
(normalization.py). Compounding stays off: it hides dropped-hasanta typos.
"""
import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
from normalization import normalize  # noqa: E402
import suffix_model  # noqa: E402

# A Latin stem carrying exactly the noun endings: the checker adds the user's own words with
# the affixes of this one. Latin words are never checked, so it accepts nothing a writer types.
MODEL_WORD = "norvelinmodelnoun"


def fail(message):
    sys.exit(f"make_dictionary.py: {message}")


def check_affix_counts(lines, path):
    """Each class header must announce as many rules as follow it; hunspell would read the
    next class's lines as rules otherwise."""
    header, expected, seen = None, 0, 0
    for number, line in enumerate(lines, 1):
        fields = line.split()
        if len(fields) < 4 or fields[0] not in ("PFX", "SFX"):
            continue
        is_header = fields[2] in ("Y", "N") and fields[3].isdigit() and len(fields) <= 5
        if is_header and seen == expected:
            header, expected, seen = (fields[0], fields[1], number), int(fields[3]), 0
        elif header and (fields[0], fields[1]) == header[:2]:
            seen += 1
        else:
            fail(f"{path}:{number}: rule outside the class announced at line {header and header[2]}")
    if seen != expected:
        fail(f"{path}: class at line {header[2]} announces {expected} rules, has {seen}")


def read_aff(path):
    lines = [normalize(line) for line in path.read_text(encoding="utf-8").split("\n")]
    directives = [line.split()[0] for line in lines if line.strip() and not line.startswith("#")]
    for needed in ("SET", "FLAG", "IGNORE"):
        if needed not in directives:
            fail(f"{path}: no {needed} line")
    first_affix = next(i for i, d in enumerate(directives) if d in ("PFX", "SFX"))
    if directives.index("IGNORE") > first_affix:
        fail(f"{path}: IGNORE must come before the first affix class, or hunspell skips it")
    for banned in ("COMPOUNDFLAG", "COMPOUNDBEGIN", "COMPOUNDRULE"):
        if banned in directives:
            fail(f"{path}: {banned}: compounding hides dropped-hasanta typos")
    used = {line.split()[1] for line in lines
            if line.split()[:1] in (["PFX"], ["SFX"]) and len(line.split()) > 1}
    clash = used & set(suffix_model.CLASS_FLAGS)
    if clash:
        fail(f"{path}: flags {clash} are taken by the noun endings")
    check_affix_counts(lines, path)
    return lines


def read_dic(path):
    """(word, flags) in file order, without the count line."""
    entries = []
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines()):
        line = line.strip()
        if not line or (number == 0 and line.isdigit()):
            continue
        word, _, flags = line.partition("/")
        flags = flags.split()[0] if flags.split() else ""
        entries.append((normalize(word), flags))
    return entries


def read_loanwords(path):
    words = []
    for line in path.read_text(encoding="utf-8").splitlines():
        line = line.split("#", 1)[0]
        words += [normalize(word) for word in line.split()]
    return words


def is_bengali_word(word):
    return any("\u0980" <= ch <= "\u09ff" for ch in word) and "/" not in word


def main():
    parser = argparse.ArgumentParser()
    for option in ("--aff", "--dic", "--word-list", "--loanwords", "--output-aff", "--output-dic"):
        parser.add_argument(option, required=True, type=pathlib.Path)
    args = parser.parse_args()
    for path in (args.aff, args.dic, args.word_list, args.loanwords):
        if not path.is_file():
            fail(f"{path} is missing" + (" (install hunspell-bn)" if path == args.word_list else ""))

    aff = read_aff(args.aff)
    classes = suffix_model.CLASS_FLAGS
    lines = []          # dictionary lines, stems in first-seen order
    classed = set()     # stems that carry a class already
    rejected = set()
    for word, flags in read_dic(args.dic):
        if word.startswith("*"):
            rejected.add(word[1:])
            continue
        if not word:
            continue
        if flags:
            lines.append(f"{word}/{flags}")
            classed.add(word)
    base_words = {word for word, _ in read_dic(args.dic)}
    unclassed = [w for w, f in read_dic(args.dic) if not f and w and not w.startswith("*")]
    listed = [w for w, _ in read_dic(args.word_list)]
    loanwords = read_loanwords(args.loanwords)

    given = set()
    counts = {"base, no class": 0, "word list": 0, "loanwords": 0}
    for source, words in (("base, no class", unclassed), ("word list", listed),
                          ("loanwords", loanwords)):
        for word in words:
            if word in given or word in rejected or not is_bengali_word(word):
                continue
            if source == "word list" and word in classed:
                continue
            given.add(word)
            lines.append(f"{word}/{classes}")
            counts[source] += 1
    lines.append(f"{MODEL_WORD}/{classes}")

    out_aff = "\n".join(aff).rstrip("\n") + "\n\n" + "\n".join(suffix_model.affix_lines()) + "\n"
    args.output_aff.write_text(out_aff, encoding="utf-8")
    args.output_dic.write_text(f"{len(lines)}\n" + "\n".join(lines) + "\n", encoding="utf-8")
    print(f"make_dictionary.py: {len(lines)} entries: {len(classed)} with the base's classes, "
          + ", ".join(f"{n} from {s}" for s, n in counts.items())
          + f" with the noun endings; {len(rejected)} marked wrong left out"
          + f" ({len(base_words)} base words)")


if __name__ == "__main__":
    main()
