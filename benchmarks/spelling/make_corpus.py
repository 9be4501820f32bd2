#!/usr/bin/env python3
"""Builds the spelling benchmark's corpus from the Bengali translations installed on this machine
(none of it is in the dictionary's sources).

usage: make_corpus.py OUTDIR      writes OUTDIR/ui.txt and OUTDIR/prose.txt, one text a line

Every translated message of /usr/share/locale/bn*/LC_MESSAGES/*.mo (and the Bengali texts of
/usr/share/metainfo and /usr/share/polkit-1) is taken once, with format codes, markup and
mnemonics removed. Messages of eight words or more are the prose sample (descriptions, help and
error sentences), the shorter ones the UI sample (labels, menu items, buttons). The iso_*
catalogues are left out: they are lists of country, language and currency names, not text.
"""
import gettext
import glob
import os
import re
import sys
import xml.etree.ElementTree as ET

BENGALI_WORD = re.compile(r"[\u0980-\u09FF\u200C\u200D]+")
CLEAN = [
    (re.compile(r"%(\d+\$)?[-+ #0]*(\d+|\*)?(\.(\d+|\*))?[hlLqjzt]*[diouxXeEfFgGcsSpn%]"), " "),  # printf
    (re.compile(r"\{[^{}]*\}"), " "),          # {name}
    (re.compile(r"<[^<>]*>"), " "),            # markup
    (re.compile(r"&[a-z]+;"), " "),            # entities
    (re.compile(r"\(_.\)|_(?=\S)"), ""),       # mnemonics
    (re.compile(r"\s+"), " "),
]
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def clean(text):
    for pattern, replacement in CLEAN:
        text = pattern.sub(replacement, text)
    return text.strip()


def catalogue_texts():
    for path in sorted(glob.glob("/usr/share/locale/bn*/LC_MESSAGES/*.mo")):
        if os.path.basename(path).startswith("iso_"):
            continue
        with open(path, "rb") as f:
            catalog = gettext.GNUTranslations(f)._catalog
        for key, value in catalog.items():
            if key == "" or (isinstance(key, tuple) and key[0] == ""):
                continue
            yield path, value


def xml_texts():
    for path in sorted(glob.glob("/usr/share/metainfo/*.xml") + glob.glob("/usr/share/polkit-1/actions/*.policy")):
        try:
            root = ET.parse(path).getroot()
        except ET.ParseError:
            continue
        for element in root.iter():
            if element.get(XML_LANG, "").startswith("bn"):
                yield path, "".join(element.itertext())


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    seen, ui, prose, sources = set(), [], [], set()
    for source in (catalogue_texts(), xml_texts()):
        for path, text in source:
            for line in clean(text).split("\n"):
                line = clean(line)
                words = BENGALI_WORD.findall(line)
                if not words or line in seen:
                    continue
                seen.add(line)
                sources.add(path)
                (prose if len(words) >= 8 else ui).append(line)
    for name, lines in (("ui.txt", ui), ("prose.txt", prose)):
        with open(os.path.join(out, name), "w", encoding="utf-8") as f:
            f.write("\n".join(lines) + "\n")
    count = lambda lines: sum(len(BENGALI_WORD.findall(l)) for l in lines)
    print(f"make_corpus.py: {len(sources)} sources; UI {len(ui)} texts, {count(ui)} words; "
          f"prose {len(prose)} texts, {count(prose)} words")


if __name__ == "__main__":
    main()
