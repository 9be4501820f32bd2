#include "nq/bridge_tables.h"
#include "nq/joined_clusters.h"


namespace nq::bridge {
namespace {

int blockOffset(char16_t u)
{
    return u >= 0x0980 && u <= 0x09FF ? u - 0x0980 : -1;
}

bool isSignKind(Kind k)
{
    return k == Kind::Pre || k == Kind::Post || k == Kind::Below || k == Kind::Above
        || k == Kind::SpMark;
}

void addSign(Tables& t, const Glyph& g)
{
    if (g.unicode.size() != 1 || blockOffset(g.unicode[0].unicode()) < 0)
        return;
    SignChoice& choice = t.signs[blockOffset(g.unicode[0].unicode())];
    if (!g.signFor.isEmpty())
        choice.afterConsonants.emplace_back(g.signFor, g.code);
    else if (g.forWideClusters)
        choice.wide = g.code;
    else if (choice.plain < 0)
        choice.plain = g.code;
}

Tables build()
{
    Tables t;
    t.singleChar.assign(0x10000, -1);
    t.phalaByConsonant.fill(-1);
    for (const Glyph& g : glyphTable()) {
        t.kind[g.code] = g.kind;
        t.known[g.code] = true;
        t.unicode[g.code] = g.kind == Kind::LineBreak ? QStringLiteral("\n") : g.unicode;
        // A typed-only repeat: conversions emit the code it repeats.
        if (g.sameAs)
            continue;
        switch (g.kind) {
        case Kind::Consonant:
        case Kind::Conjunct:
            if (const auto key = packKey(g.unicode); key && !t.clusterUnits.contains(key)) {
                t.clusterUnits.emplace(key, g.code);
                t.maxUnitLength = std::max(t.maxUnitLength, int(g.unicode.size()));
            }
            break;
        case Kind::Ligature:
            if (const auto key = packKey(g.unicode); key && !t.ligatures.contains(key))
                t.ligatures.emplace(key, g.code);
            break;
        case Kind::Phala:
            if (g.unicode.size() == 2 && g.unicode[0] == QChar(kHasanta)) {
                const int offset = blockOffset(g.unicode[1].unicode());
                if (offset >= 0 && t.phalaByConsonant[offset] < 0)
                    t.phalaByConsonant[offset] = g.code;
            }
            break;
        case Kind::Reph: if (t.reph < 0) t.reph = g.code; break;
        case Kind::RephII: if (t.rephII < 0) t.rephII = g.code; break;
        case Kind::Hasanta:
            if (g.unicode == QStringView(u"\u09CD\u200C")) {
                if (t.hasantaVisible < 0)
                    t.hasantaVisible = g.code;
            } else if (t.hasanta < 0) {
                t.hasanta = g.code;
            }
            break;
        case Kind::LineBreak: if (t.lineBreak < 0) t.lineBreak = g.code; break;
        default:
            if (isSignKind(g.kind))
                addSign(t, g);
            break;
        }
        // Letters, vowels, digits and punctuation of one character map one to one.
        const bool single = g.kind == Kind::Space || g.kind == Kind::Punct || g.kind == Kind::Digit
            || g.kind == Kind::Vowel || g.kind == Kind::Consonant;
        if (single && g.unicode.size() == 1 && t.singleChar[g.unicode[0].unicode()] < 0)
            t.singleChar[g.unicode[0].unicode()] = short(g.code);
    }
    for (const QString& cluster : joinedClusters()) {
        if (const auto key = packKey(cluster)) {
            t.joined.insert(key);
            t.maxJoinedLength = std::max(t.maxJoinedLength, int(cluster.size()));
        }
    }
    return t;
}

} // namespace

std::uint64_t packKey(QStringView text)
{
    if (text.isEmpty() || text.size() > kMaxKeyLength)
        return 0;
    std::uint64_t key = 0;
    for (QChar ch : text) {
        const int offset = blockOffset(ch.unicode());
        if (offset < 0)
            return 0;
        key = (key << 8) | std::uint64_t(offset + 1);
    }
    return key;
}

int SignChoice::forBase(char16_t singleConsonant, bool wideCluster) const
{
    if (singleConsonant) {
        for (const auto& [letters, code] : afterConsonants)
            if (letters.contains(QChar(singleConsonant)))
                return code;
    }
    if (wideCluster && wide >= 0)
        return wide;
    return plain;
}

bool listedJoined(const Tables& t, QStringView cluster)
{
    const auto key = packKey(cluster);
    return key && t.joined.contains(key);
}

bool fontJoins(const Tables& t, QStringView cluster)
{
    const auto key = packKey(cluster);
    if (key && (t.joined.contains(key) || t.clusterUnits.contains(key)))
        return true;
    // Four letters join when both their threes do: the font draws the first letter in the
    // shape it takes before the other three.
    return cluster.size() == kFourLetters && listedJoined(t, cluster.first(kFourLetters - 2))
        && listedJoined(t, cluster.last(kFourLetters - 2));
}

const Tables& tables()
{
    static const Tables t = build();
    return t;
}

} // namespace nq::bridge
