"""The noun endings Norvelin gives to words that carry no affix class of their own, as hunspell
suffix classes.

Bengali stacks its endings, outermost last: a classifier or derivation (টা, গুলো, ভাবে), then
a case (ের, তে, কে), then a particle (ই, ও, নি). hunspell strips at most two suffixes, so the
inner two layers are compiled into one class of combined endings that allows the particle class
after it. Each case ending follows the sound the stem ends in; ৎ becomes ত before a vowel sign
(জগৎ, জগতে).
"""

# Flags of the two classes. They are kept off the letters the vendored classes use.
INFLECTION_FLAG = "\u2460"   # ① classifier and case, combined
PARTICLE_FLAG = "\u2461"     # ② particle

VOWEL_SIGNS = "ািীুূৃেৈোৌ"
INDEPENDENT_VOWELS = "অআইঈউঊঋএঐওঔ"
MARKS = "ংঃঁ"

# The sound a stem ends in, as a hunspell condition on its last letter.
ENDINGS = {
    "consonant": "[^" + VOWEL_SIGNS + INDEPENDENT_VOWELS + MARKS + "্ৎ]",
    "aa": "া",
    "vowel sign": "[িীুূৃেৈ]",
    "o sign": "[োৌ]",
    "vowel": "[" + INDEPENDENT_VOWELS + "]",
    "mark": "[" + MARKS + "]",
    "khanda ta": "ৎ",
}

# Case endings after each kind of stem end.
CASES = {
    "consonant": ["ের", "ে", "কে", "দের", "রা", "েরা"],
    "aa": ["র", "য়ের", "য়", "য়ে", "তে", "কে", "দের", "রা"],
    "vowel sign": ["র", "তে", "কে", "দের", "রা"],
    "o sign": ["র", "য়", "তে", "কে", "দের", "রা"],
    "vowel": ["য়ের", "এর", "য়ে", "এ", "তে", "কে", "দের", "রা"],
    "mark": ["য়ের", "এর", "য়ে", "এ", "তে", "কে", "দের", "রা"],
    "khanda ta": ["ের", "ে", "কে", "দের", "রা", "েরা"],
}

# Classifiers and derivations; each may take the case endings its own last letter calls for.
CLASSIFIERS = [
    "টা", "টি", "খানা", "খানি", "গুলো", "গুলি", "গুলা", "সমূহ", "গণ", "বৃন্দ", "মালা",
    "রাজি", "কারী", "যোগ্য", "মূলক", "হীন", "বিহীন", "পূর্ণ", "যুক্ত", "মুক্ত", "ভিত্তিক",
    "গত", "জনিত", "সম্মত", "সম্পন্ন", "সহ", "ময়",
]
# Derivations after which no case ending follows.
UNINFLECTED_DERIVATIONS = ["ভাবে"]

PARTICLES = ["ই", "ও", "তো", "নি", "টুকু"]


def ending_of(word):
    """The ENDINGS key for the last letter of `word`."""
    last = word[-1]
    if last == "া":
        return "aa"
    if last in "োৌ":
        return "o sign"
    if last in VOWEL_SIGNS:
        return "vowel sign"
    if last in INDEPENDENT_VOWELS:
        return "vowel"
    if last in MARKS:
        return "mark"
    if last == "ৎ":
        return "khanda ta"
    return "consonant"


def _join(stem_end, suffix):
    """(strip, add) for `suffix` after a stem ending in `stem_end`: ৎ turns into ত before a
    vowel sign."""
    if stem_end == "khanda ta" and suffix[0] in VOWEL_SIGNS:
        return "ৎ", "ত" + suffix
    return "0", suffix


def inflection_rules():
    """(strip, add, condition) of the combined classifier-and-case class."""
    rules = []
    for end, condition in ENDINGS.items():
        for case in CASES[end]:
            strip, add = _join(end, case)
            rules.append((strip, add, condition))
    for classifier in CLASSIFIERS:
        rules.append(("0", classifier, "."))
        for case in CASES[ending_of(classifier)]:
            rules.append(("0", classifier + case, "."))
    for derivation in UNINFLECTED_DERIVATIONS:
        rules.append(("0", derivation, "."))
    return rules


def affix_lines():
    """The .aff text of both classes."""
    inflections = inflection_rules()
    lines = [
        "# Noun endings for words without a class of their own: classifier and case combined,",
        "# then a particle.",
        f"SFX {INFLECTION_FLAG} Y {len(inflections)}",
    ]
    lines += [f"SFX {INFLECTION_FLAG} {strip} {add}/{PARTICLE_FLAG} {condition}"
              for strip, add, condition in inflections]
    lines.append("")
    lines.append(f"SFX {PARTICLE_FLAG} Y {len(PARTICLES)}")
    lines += [f"SFX {PARTICLE_FLAG} 0 {particle} ." for particle in PARTICLES]
    return lines


CLASS_FLAGS = INFLECTION_FLAG + PARTICLE_FLAG
