#!/usr/bin/python3
"""How many words the NQ font draws as Noto Sans Bengali draws them in Unicode.

For each word: the NQ codes the Unicode bridge makes of it (nq_word_codes) are rendered with
nq.ttf, the word itself with Noto Sans Bengali, both by hb-view at 64 px, and binarised. The
ink of each rendering that lies farther than 3 px from the other's ink is stray. A word
draws right when the stray ink is at most 5% of Noto's and no connected patch of it is as
big as a mark (the patch a dropped nukta leaves, ড় against ড, measured at the start) unless
the other rendering has stray ink within 8 px of it: a lost, added or misplaced nukta, reph
or chandrabindu fails the word however long it is, a stroke drawn a little to one side
(which leaves stray ink on both sides of it) does not.

Words the list itself misspells are skipped: those that are not a sequence of syllables as
Unicode spells Bengali (a sign with no letter before it, two vowel signs, a hasanta before a
vowel ...), and those holding ঙ্চ or ঙ্ছ, the list's spelling of ঞ্চ ঞ্ছ.

    cmake --build build --target nq_font nq_word_codes
    measure_nq_rendering.py --nq-font build/bin/nq.ttf --codes build/bin/nq_word_codes
        [--word-list /usr/share/hunspell/bn_BD.dic | --sample words.txt | --held-out]
        [--min-percent P]

--held-out measures words the font was never tuned on: the Bengali words of the programs'
translations installed on the machine (/usr/share/locale/bn*/LC_MESSAGES/*.mo) that are not
in the word list. Words may be NFC (ড় as ড + nukta) or use the single code points.

Needs hb-view (libharfbuzz-bin), python3-numpy and python3-pil. The whole word list takes
some minutes; --jobs renders batches side by side.
"""

import argparse
import collections
import concurrent.futures
import os
import re
import subprocess
import sys
import tempfile
import time

import shutil

try:
    import numpy as np
    from PIL import Image
except ImportError as e:
    np = Image = None
    MISSING = f"{e.name} (Debian: python3-numpy, python3-pil)"
else:
    MISSING = None

MISSING_TOOLS = 77  # exit status when something the measure needs is not installed
SIZE_PX = 64
NEAR_PX = 3
ALLOWED_SHARE = 0.05
SHIFT_PX = 8           # stray ink this near stray ink of the other rendering was moved, not lost
MARGIN_PX = 16
LINE_SPACE_PX = 40     # keeps the ink of one line well away from the next
LINES_PER_IMAGE = 200  # image height stays below cairo's limit of 32K px

NUKTA_LETTERS = (("\u09a1\u09bc", "\u09dc"), ("\u09a2\u09bc", "\u09dd"), ("\u09af\u09bc", "\u09df"))
CONS = "[\u0995-\u09b9\u09dc\u09dd\u09df]"
SIGN = "[\u09be-\u09c4\u09c7\u09c8\u09cb\u09cc\u09d7]"
MARKS = "[\u0981-\u0983]*"
CLUSTER = CONS + "(?:\u200d?\u09cd" + CONS + ")*"
CONSONANT_SYLLABLE = CLUSTER + "(?:\u09cd\u200c?|" + SIGN + "?" + MARKS + ")"
VOWEL_SYLLABLE = "[\u0985-\u0994](?:\u09cd[\u09af\u09ac]" + SIGN + "?)?" + MARKS
WELL_FORMED = re.compile(f"^(?:{CONSONANT_SYLLABLE}|{VOWEL_SYLLABLE}|\u09ce|[\u09e6-\u09ef])+$")
MISSPELT_CLUSTERS = ("\u0999\u09cd\u099a", "\u0999\u09cd\u099b")
CLUSTER_RE = re.compile(CONS + "(?:\u09cd" + CONS + ")+")
BENGALI_WORD = re.compile("[\u0981-\u09fe\u200c\u200d]+")


def composed(word):
    """ড় ঢ় য় as single code points, whichever way the word spells them."""
    for pair, single in NUKTA_LETTERS:
        word = word.replace(pair, single)
    return word


def well_formed(word):
    word = composed(word)
    return bool(WELL_FORMED.match(word)) and not any(c in word for c in MISSPELT_CLUSTERS)


def read_words(path, dic):
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    if dic:
        lines = [l.split("/")[0] for l in lines[1:]]
    return [l.strip() for l in lines if l.strip()]


def nq_codes(tool, words):
    result = subprocess.run([tool], input="\n".join(words) + "\n", capture_output=True,
                            text=True, check=True)
    codes = result.stdout.split("\n")[:len(words)]
    if len(codes) != len(words):
        sys.exit(f"{tool} gave {len(codes)} lines for {len(words)} words")
    return codes


def render(font, lines, tmp, tag):
    text = os.path.join(tmp, tag + ".txt")
    png = os.path.join(tmp, tag + ".png")
    # hb-view (6.0) leaves out the right part of a wide glyph that ends a line; a space after
    # every word, in both renderings, keeps that from counting.
    with open(text, "w", encoding="utf-8") as f:
        f.write("".join(line + " \n" for line in lines))
    subprocess.run(["hb-view", "--font-file=" + font, f"--font-size={SIZE_PX}",
                    f"--margin={MARGIN_PX}", f"--line-space={LINE_SPACE_PX}",
                    "--text-file=" + text, "--output-format=png", "-o", png], check=True)
    with Image.open(png) as image:
        return np.asarray(image.convert("L")) < 128


def dilate(ink, radius):
    out = ink.copy()
    h, w = ink.shape
    for dy in range(-radius, radius + 1):
        for dx in range(-radius, radius + 1):
            if dx * dx + dy * dy > radius * radius or (dx == 0 and dy == 0):
                continue
            src = ink[max(0, -dy):h - max(0, dy), max(0, -dx):w - max(0, dx)]
            out[max(0, dy):h - max(0, -dy), max(0, dx):w - max(0, -dx)] |= src
    return out


def patches(mask):
    """The 8-connected patches of `mask`, as lists of (y, x)."""
    ys, xs = np.nonzero(mask)
    left = set(zip(ys.tolist(), xs.tolist()))
    found = []
    while left:
        stack, patch = [left.pop()], []
        while stack:
            y, x = stack.pop()
            patch.append((y, x))
            for dy in (-1, 0, 1):
                for dx in (-1, 0, 1):
                    p = (y + dy, x + dx)
                    if p in left:
                        left.remove(p)
                        stack.append(p)
        found.append(patch)
    return found


def unmatched_patch(mine, theirs, at_least):
    """The largest patch of `mine` (stray ink of one rendering) of `at_least` pixels or more
    that has no stray ink of the other rendering within SHIFT_PX: ink missing or added, not
    ink drawn a little to one side (which leaves stray ink on both sides of the stroke)."""
    largest = 0
    for patch in patches(mine):
        if len(patch) < max(at_least, largest + 1):
            continue
        ys = [y for y, _ in patch]
        xs = [x for _, x in patch]
        top, left = max(0, min(ys) - SHIFT_PX), max(0, min(xs) - SHIFT_PX)
        near = theirs[top:max(ys) + SHIFT_PX + 1, left:max(xs) + SHIFT_PX + 1]
        if near.any():
            ny, nx = np.nonzero(near)
            points = np.array(patch)
            gap = np.min(np.maximum(np.abs(points[:, None, 0] - (ny + top)[None, :]),
                                    np.abs(points[:, None, 1] - (nx + left)[None, :])))
            if gap <= SHIFT_PX:
                continue
        largest = len(patch)
    return largest


def compare_batch(noto_font, nq_font, batch_words, batch_codes, mark_px):
    """For each word: (stray ink, Noto's ink, largest unmatched patch of stray ink, when it
    has `mark_px` pixels or more, else 0)."""
    with tempfile.TemporaryDirectory() as tmp:
        a = render(noto_font, batch_words, tmp, "noto")
        b = render(nq_font, batch_codes, tmp, "nq")
    height, width = max(a.shape[0], b.shape[0]), max(a.shape[1], b.shape[1])
    a = np.pad(a, ((0, height - a.shape[0]), (0, width - a.shape[1])))
    b = np.pad(b, ((0, height - b.shape[0]), (0, width - b.shape[1])))
    only_a, only_b = a & ~dilate(b, NEAR_PX), b & ~dilate(a, NEAR_PX)
    stray = only_a | only_b
    n = len(batch_words)
    line = (a.shape[0] - 2 * MARGIN_PX - (n - 1) * LINE_SPACE_PX) / n
    pitch = line + LINE_SPACE_PX
    results = []
    for k in range(n):
        # Each band reaches half the spacing above and below the line box.
        top = max(0, int(round(MARGIN_PX + k * pitch - LINE_SPACE_PX / 2)))
        bottom = int(round(MARGIN_PX + (k + 1) * pitch - LINE_SPACE_PX / 2))
        band_a, band_b = only_a[top:bottom], only_b[top:bottom]
        patch = max(unmatched_patch(band_a, band_b, mark_px), unmatched_patch(band_b, band_a, mark_px))
        results.append((int(stray[top:bottom].sum()), int(a[top:bottom].sum()), patch))
    return results


def compare(noto_font, nq_font, words, codes, jobs, mark_px):
    starts = range(0, len(words), LINES_PER_IMAGE)
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        batches = pool.map(lambda s: compare_batch(noto_font, nq_font, words[s:s + LINES_PER_IMAGE],
                                                   codes[s:s + LINES_PER_IMAGE], mark_px), starts)
        return [r for batch in batches for r in batch]


def mark_patch(source_font):
    """The patch of stray ink a dropped nukta leaves: ড় drawn against ড in the source font."""
    (_, _, patch), = compare_batch(source_font, source_font, ["\u09a1\u09bc"], ["\u09a1"], 1)
    return patch


def translation_words(word_list):
    """Bengali words of the installed translations that the word list does not hold."""
    import gettext
    import glob
    known = {composed(w) for w in read_words(word_list, dic=True)}
    found = set()
    for path in sorted(glob.glob("/usr/share/locale/bn*/LC_MESSAGES/*.mo")):
        try:
            with open(path, "rb") as f:
                catalog = gettext.GNUTranslations(f)._catalog
        except OSError:
            continue
        for text in catalog.values():
            for word in BENGALI_WORD.findall(text):
                if composed(word) not in known:
                    found.add(word)
    return sorted(found)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--nq-font", required=True)
    parser.add_argument("--codes", required=True, help="the nq_word_codes program")
    parser.add_argument("--source-font",
                        default="/usr/share/fonts/truetype/noto/NotoSansBengali-Regular.ttf")
    parser.add_argument("--word-list", default="/usr/share/hunspell/bn_BD.dic")
    parser.add_argument("--sample", help="words one a line, instead of the word list")
    parser.add_argument("--held-out", action="store_true",
                        help="the installed translations' words that are not in the word list")
    parser.add_argument("--jobs", type=int, default=1, help="batches rendered at once")
    parser.add_argument("--top", type=int, default=25, help="differences to list")
    parser.add_argument("--min-percent", type=float,
                        help="exit 1 when fewer well-formed words than this draw right")
    args = parser.parse_args(argv)

    if MISSING or not shutil.which("hb-view"):
        print(f"cannot measure: {MISSING or 'hb-view (Debian: libharfbuzz-bin)'} is missing")
        return MISSING_TOOLS
    started = time.monotonic()
    if args.sample:
        words = read_words(args.sample, dic=False)
    elif args.held_out:
        words = translation_words(args.word_list)
    else:
        words = read_words(args.word_list, dic=True)
    kept = [w for w in words if well_formed(w)]
    codes = nq_codes(args.codes, kept)
    mark_px = mark_patch(args.source_font)
    results = compare(args.source_font, args.nq_font, kept, codes, args.jobs, mark_px)

    wrong = [(s / max(i, 1), w, c, p) for w, c, (s, i, p) in zip(kept, codes, results)
             if s > ALLOWED_SHARE * i or p >= mark_px]
    right = len(kept) - len(wrong)
    percent = 100.0 * right / max(len(kept), 1)
    print(f"words: {len(words)}, well-formed: {len(kept)}, skipped as misspelt: "
          f"{len(words) - len(kept)}")
    print(f"drawn right (stray ink beyond {NEAR_PX} px at most {ALLOWED_SHARE:.0%} of Noto's, "
          f"no unmatched patch of it as big as a nukta's {mark_px} px, {SIZE_PX} px): "
          f"{right} of {len(kept)} = {percent:.2f}%")

    clusters = collections.Counter()
    for _, w, _, _ in wrong:
        for m in set(CLUSTER_RE.findall(composed(w))):
            clusters[m] += 1
    if wrong:
        print("clusters in the words drawn wrong (words):",
              " ".join(f"{c} {n}" for c, n in clusters.most_common(args.top)))
        print("largest differences (stray ink / Noto's ink, largest patch in px, word, NQ codes):")
        for share, w, c, p in sorted(wrong, reverse=True)[:args.top]:
            print(f"  {share:6.1%} {p:4d}  {w}  {' '.join(str(cp1252_code(ch)) for ch in c)}")
    print(f"time: {time.monotonic() - started:.1f} s")
    if args.min_percent is not None and percent < args.min_percent:
        print(f"below the expected {args.min_percent:.2f}%")
        return 1
    return 0


def cp1252_code(ch):
    o = ord(ch)
    if 0xF000 <= o <= 0xF0FF:
        return o - 0xF000
    try:
        return ch.encode("cp1252")[0]
    except UnicodeEncodeError:
        return o if o < 256 else f"U+{o:04X}"


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
