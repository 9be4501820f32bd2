"""Consonant clusters: which ones NQ joins and how they are spelt in its codes.

src/nq/joined_clusters.tsv lists every two- and three-consonant cluster the source font
joins, and the four-consonant ones that the parts below do not draw right. A four-consonant
cluster joins when both its three-consonant halves join (A্B্C্D when A্B্C and B্C্D do): its
first letter then takes the shape it has before the other three, which is what the source
font draws. src/nq/joined_clusters.cpp applies the same rule, so the Unicode bridge spells
exactly what the font joins.
"""

HASANTA = "\u09cd"


def letters_of(cluster):
    return cluster.split(HASANTA)


def joins(cluster, listed):
    """Whether NQ draws `cluster` joined: listed, or four letters whose two threes are listed."""
    if cluster in listed:
        return True
    letters = letters_of(cluster)
    return (len(letters) == 4 and HASANTA.join(letters[:3]) in listed
            and HASANTA.join(letters[1:]) in listed)


def canonical_spelling(cluster, units, phalas, hasanta):
    """The codes the Unicode bridge writes for a joined cluster: its conjunct code when the
    table has one; else each letter by its own code with a hasanta between, and the letters
    at the end that have a phala as phalas, as a writer types it. `units` maps Unicode to
    the one code the bridge uses. None when a letter has no code."""
    if cluster in units:
        return (units[cluster],)
    letters = letters_of(cluster)
    end = len(letters)
    while end > 1 and letters[end - 1] in phalas:
        end -= 1
    spelt = typed_spelling(HASANTA.join(letters[:end]), units, hasanta)
    if spelt is None:
        return None
    return spelt + tuple(phalas[letter] for letter in letters[end:])


def typed_spelling(cluster, units, hasanta):
    """Every letter by its own code with a hasanta between: the way a writer types it."""
    out = []
    for k, letter in enumerate(letters_of(cluster)):
        code = units.get(letter)
        if code is None:
            return None
        if k:
            out.append(hasanta)
        out.append(code)
    return tuple(out)
