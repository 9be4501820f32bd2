// Unicode Bengali (logical order) -> NQ glyph codes (visual order).
#include "nq/bridge_tables.h"
#include "nq/glyph_code.h"
#include "nq/unicode_bridge.h"

#include <QVarLengthArray>
#include <string>

namespace nq {
namespace {

using namespace bridge;
using Chars = QVarLengthArray<char16_t, 32>;

// NFC would decompose ড় ঢ় য় (composition exclusions), yet the table holds them as single
// letters; so the few equivalences that matter here are applied by hand: ো ৌ split into their
// visual halves, consonant + nukta composed, ত্ + ZWJ read as khanda ta.
void normalise(const QString& in, std::u16string& out)
{
    out.clear();
    out.reserve(in.size() + 8);
    for (QChar ch : in) {
        const char16_t u = ch.unicode();
        if (u == kSignO) {
            out += kSignE;
            out += kSignAA;
        } else if (u == kSignAU) {
            out += kSignE;
            out += kAuLength;
        } else if (u == kNukta && !out.empty() && (out.back() == 0x09A1 || out.back() == 0x09A2
                                                    || out.back() == 0x09AF)) {
            out.back() = out.back() == 0x09A1 ? 0x09DC : out.back() == 0x09A2 ? 0x09DD : 0x09DF;
        } else if (u == kZwj && out.size() >= 2 && out.back() == kHasanta
                   && out[out.size() - 2] == kTa) {
            out.pop_back();
            out.back() = kKhandaTa;
        } else {
            out += u;
        }
    }
}

// The glyphs of one syllable, gathered before they are written in visual order.
struct Glyphs {
    QVarLengthArray<int, 8> codes;      // -1: keep `kept` at this place
    QVarLengthArray<char16_t, 8> kept;  // the characters without a code, in order
    void add(int code) { codes.append(code); }
    void keepChar(char16_t u)
    {
        codes.append(-1);
        kept.append(u);
    }
};

class FromUnicode {
public:
    explicit FromUnicode(const std::u16string& s) : s_(s) { out_.text.reserve(qsizetype(s.size()) + 8); }

    BridgeResult run()
    {
        const size_t n = s_.size();
        while (i_ < n) {
            const char16_t u = s_[i_];
            if (isConsonant(u) || u == kKhandaTa) {
                syllable();
            } else if (isIndependentVowel(u)) {
                syllable();
            } else if (isVowelSign(u) || isSyllableMark(u)) {
                // A sign with nothing to stand on keeps its plain form.
                emitCodeOrKeep(t_.signs[u - 0x0980].plain, u);
                ++i_;
            } else if (u == kHasanta) {
                emitCodeOrKeep(t_.hasanta, u);
                ++i_;
            } else if (isLayoutControl(u)) {
                out_.text.append(QChar(u));
                ++i_;
            } else {
                emitCodeOrKeep(t_.singleChar[u], u);
                ++i_;
            }
        }
        return std::move(out_);
    }

private:
    char16_t at(size_t k) const { return k < s_.size() ? s_[k] : char16_t(0); }

    void syllable()
    {
        Chars cluster;
        const bool vowelBase = isIndependentVowel(s_[i_]);
        cluster.append(s_[i_++]);
        bool noReph = false;
        bool trailingHasanta = false;
        bool keepHasantaVisible = false;
        Glyphs g;
        if (vowelBase) {
            // অ্যা: an independent vowel takes a phala, nothing else joins it.
            while (at(i_) == kHasanta && isConsonant(at(i_ + 1)) && phala(at(i_ + 1)) >= 0) {
                cluster.append(kHasanta);
                cluster.append(s_[i_ + 1]);
                i_ += 2;
            }
        } else {
            for (;;) {
                // র‍্য: the joiner says ra + ya-phala, not reph. Text from Bangladesh writes a
                // non-joiner there (র‌্যাব): the same ra + phala; it comes back with the joiner.
                const bool joiner = at(i_) == kZwj
                    || (at(i_) == kZwnj && phala(at(i_ + 2)) >= 0);
                if (joiner && at(i_ + 1) == kHasanta && isConsonant(at(i_ + 2))
                    && cluster.size() == 1 && cluster[0] == kRa) {
                    noReph = true;
                    ++i_;
                    continue;
                }
                // র্ৎ: reph on khanda ta, which joins nothing else.
                const bool rephOnKhandaTa = at(i_ + 1) == kKhandaTa && cluster.size() == 1
                    && cluster[0] == kRa;
                if (at(i_) == kHasanta && (isConsonant(at(i_ + 1)) || rephOnKhandaTa)
                    && cluster.back() != kKhandaTa) {
                    cluster.append(kHasanta);
                    cluster.append(s_[i_ + 1]);
                    i_ += 2;
                    continue;
                }
                break;
            }
            if (at(i_) == kHasanta) {
                trailingHasanta = true;
                ++i_;
                // A non-joiner asks for the hasanta the font never joins.
                if (at(i_) == kZwnj) {
                    ++i_;
                    keepHasantaVisible = t_.hasantaVisible >= 0;
                }
            }
        }
        QVarLengthArray<char16_t, 4> vowels;
        if (!trailingHasanta)
            while (isVowelSign(at(i_)) && vowels.size() < 4)
                vowels.append(s_[i_++]);
        QVarLengthArray<char16_t, 4> marks;
        while (isSyllableMark(at(i_)) && marks.size() < 4)
            marks.append(s_[i_++]);

        QStringView letters(reinterpret_cast<const QChar*>(cluster.constData()), cluster.size());
        const bool reph = !vowelBase && !noReph && letters.size() >= 3 && letters[0] == QChar(kRa)
            && letters[1] == QChar(kHasanta);
        if (reph)
            letters = letters.sliced(2);
        bool rephII = false;
        if (reph && t_.rephII >= 0) {
            for (qsizetype k = 0; k < vowels.size(); ++k) {
                if (vowels[k] == kSignII) {
                    vowels.remove(k);
                    rephII = true;
                    break;
                }
            }
        }

        // The cluster first, into its own list: the pre-base signs that go before it
        // depend on how wide it came out. They stand before its first letter even where the
        // font shows a hasanta inside it, so that a sign never moves with what the font joins.
        Glyphs clusterGlyphs;
        const char16_t ligatureSign = !vowels.isEmpty() && isBelowSign(vowels[0]) ? vowels[0] : 0;
        bool wide = false;
        char16_t single = 0;        // the lone consonant the signs stand on, if it is one
        if (vowelBase) {
            clusterGlyphs.codes.append(t_.singleChar[letters[0].unicode()]);
            if (clusterGlyphs.codes.back() < 0) {
                clusterGlyphs.codes.back() = -1;
                clusterGlyphs.kept.append(letters[0].unicode());
            }
            for (qsizetype k = 1; k + 1 < letters.size(); k += 2)
                clusterGlyphs.add(phala(letters[k + 1].unicode()));
        } else {
            const Tail tail = matchCluster(letters, ligatureSign, clusterGlyphs);
            if (tail.signTaken)
                vowels.remove(0);
            wide = tail.wide;
            single = tail.single;
        }

        for (char16_t v : vowels)
            if (isPreBaseSign(v))
                addSign(g, v, single, wide);
        appendGlyphs(g, clusterGlyphs, 0, clusterGlyphs.codes.size());
        if (trailingHasanta)
            g.add(keepHasantaVisible ? t_.hasantaVisible : t_.hasanta);
        if (reph && !rephII)
            g.add(t_.reph);
        for (char16_t v : vowels)
            if (isBelowSign(v))
                addSign(g, v, single, wide);
        // ৌ carries the chandrabindu on its length mark: it follows that mark (কৌঁ).
        const bool onAuLength = vowels.contains(kAuLength);
        for (char16_t m : marks)
            if (m == kCandrabindu && !onAuLength)
                addSign(g, m, single, wide);
        for (char16_t v : vowels)
            if (!isPreBaseSign(v) && !isBelowSign(v))
                addSign(g, v, single, wide);
        for (char16_t m : marks)
            if (m == kCandrabindu && onAuLength)
                addSign(g, m, 0, false);
        if (rephII)
            g.add(t_.rephII);
        for (char16_t m : marks)
            if (m != kCandrabindu)
                addSign(g, m, single, wide);
        write(g);
    }

    // What follows the cluster's last visible hasanta: the part its signs stand on.
    struct Tail {
        char16_t single = 0;  // its consonant when it is a single letter
        bool wide = false;    // drawn as two letters side by side or more
        bool signTaken = false;
    };

    // Longest match left to right: a consonant + vowel ligature when it takes the whole rest
    // of the cluster, else the longest conjunct of the table or cluster the font joins, then
    // phalas, else a visible hasanta before the next consonant. A joined cluster is spelt
    // with the table's codes, as the font expects it.
    Tail matchCluster(QStringView letters, char16_t sign, Glyphs& g)
    {
        Tail tail;
        int spanned = 0; // consonants drawn side by side, for the long I hook
        qsizetype pos = 0, tailPos = 0;
        const qsizetype n = letters.size();
        while (pos < n) {
            const std::uint64_t rest = sign && !tail.signTaken ? packKey(letters.sliced(pos)) : 0;
            if (rest && n - pos + 1 <= kMaxKeyLength) {
                const std::uint64_t key = (rest << 8) | std::uint64_t(sign - 0x0980 + 1);
                if (auto it = t_.ligatures.find(key); it != t_.ligatures.end()) {
                    g.add(it->second);
                    spanned += countConsonants(t_.unicode[it->second]);
                    tail.signTaken = true;
                    break;
                }
            }
            const qsizetype unit = unitLength(letters, pos, t_.clusterUnits, t_.maxUnitLength);
            const qsizetype joined = joinedLength(letters, pos);
            if (joined > unit) {
                const QStringView cluster = letters.sliced(pos, joined);
                spell(cluster, g);
                spanned += countConsonants(cluster);
                pos += joined;
            } else if (unit > 0) {
                const int code = t_.clusterUnits.at(packKey(letters.sliced(pos, unit)));
                g.add(code);
                spanned += countConsonants(t_.unicode[code]);
                pos += unit;
            } else {
                g.keepChar(letters[pos].unicode());
                ++spanned;
                ++pos;
            }
            if (takePhalasOrHasanta(letters, pos, g)) {
                tailPos = pos;
                spanned = 0;
            }
        }
        if (n - tailPos == 1)
            tail.single = letters[tailPos].unicode();
        tail.wide = spanned >= 2;
        return tail;
    }

    // Length of the longest unit of `units` at `pos` that ends the cluster or a hasanta
    // follows; 0 when there is none.
    template <typename Units>
    static qsizetype unitLength(QStringView letters, qsizetype pos, const Units& units, int maxLength)
    {
        const qsizetype n = letters.size();
        for (qsizetype len = std::min<qsizetype>(maxLength, n - pos); len >= 1; --len) {
            if (pos + len < n && letters[pos + len] != QChar(kHasanta))
                continue;
            if (units.contains(packKey(letters.sliced(pos, len))))
                return len;
        }
        return 0;
    }

    // Length of the longest cluster the font joins at `pos` that ends the cluster or a
    // hasanta follows; 0 when there is none.
    qsizetype joinedLength(QStringView letters, qsizetype pos) const
    {
        const qsizetype n = letters.size();
        const qsizetype longest = std::max<qsizetype>(t_.maxJoinedLength, kFourLetters);
        for (qsizetype len = std::min(longest, n - pos); len >= 3; len -= 2) {
            if (pos + len < n && letters[pos + len] != QChar(kHasanta))
                continue;
            const QStringView cluster = letters.sliced(pos, len);
            if (t_.joined.contains(packKey(cluster)) || (len == kFourLetters && fontJoins(t_, cluster)))
                return len;
        }
        return 0;
    }

    // A joined cluster as the font expects it and a writer types it: each letter by its own
    // code with a hasanta between, the letters at the end that have a phala as phalas. (The
    // font builds longer clusters from the shape each letter takes before the rest, so the
    // table's conjuncts inside would hide the letters it builds from.)
    void spell(QStringView cluster, Glyphs& g)
    {
        qsizetype end = cluster.size();
        while (end > 1 && phala(cluster[end - 1].unicode()) >= 0)
            end -= 2;
        for (qsizetype pos = 0; pos < end; pos += 2) {
            if (pos > 0)
                g.add(t_.hasanta);
            const int code = t_.singleChar[cluster[pos].unicode()];
            if (code >= 0)
                g.add(code);
            else
                g.keepChar(cluster[pos].unicode());
        }
        for (qsizetype pos = end + 1; pos < cluster.size(); pos += 2)
            g.add(phala(cluster[pos].unicode()));
    }

    // After a unit: phalas while they fit, else a hasanta before the next unit. Returns
    // whether a hasanta was written.
    bool takePhalasOrHasanta(QStringView letters, qsizetype& pos, Glyphs& g)
    {
        const qsizetype n = letters.size();
        while (pos + 1 < n && letters[pos] == QChar(kHasanta)) {
            const bool lastOrJoined = pos + 2 == n || letters[pos + 2] == QChar(kHasanta);
            const int p = phala(letters[pos + 1].unicode());
            if (p >= 0 && lastOrJoined) {
                g.add(p);
                pos += 2;
                continue;
            }
            g.add(t_.hasanta);
            ++pos;
            return true;
        }
        return false;
    }

    // Consonants of a table unit that stand side by side: a final ra, ba or ya is a phala
    // drawn under or beside the letter, not a second letter.
    static int countConsonants(QStringView unit)
    {
        int count = 0;
        for (QChar ch : unit)
            if (isConsonant(ch.unicode()))
                ++count;
        const qsizetype n = unit.size();
        if (count > 1 && n >= 2 && unit[n - 2] == QChar(kHasanta)) {
            const char16_t last = unit[n - 1].unicode();
            if (last == kRa || last == 0x09AC || last == 0x09AF)
                --count;
        }
        return count;
    }

    int phala(char16_t consonant) const
    {
        return consonant >= 0x0980 && consonant <= 0x09FF ? t_.phalaByConsonant[consonant - 0x0980] : -1;
    }

    void addSign(Glyphs& g, char16_t sign, char16_t single, bool wide)
    {
        const int code = t_.signs[sign - 0x0980].forBase(single, wide);
        if (code >= 0)
            g.add(code);
        else
            g.keepChar(sign);
    }

    // The glyphs [begin, end) of `from`.
    static void appendGlyphs(Glyphs& to, const Glyphs& from, qsizetype begin, qsizetype end)
    {
        qsizetype keptIndex = 0;
        for (qsizetype k = 0; k < end; ++k) {
            const int code = from.codes[k];
            if (code >= 0) {
                if (k >= begin)
                    to.add(code);
            } else {
                const char16_t kept = from.kept[keptIndex++];
                if (k >= begin)
                    to.keepChar(kept);
            }
        }
    }

    void write(const Glyphs& g)
    {
        qsizetype keptIndex = 0;
        for (int code : g.codes) {
            if (code >= 0)
                out_.text.append(toChar(static_cast<unsigned char>(code)));
            else
                keep(g.kept[keptIndex++]);
        }
    }

    void emitCodeOrKeep(int code, char16_t u)
    {
        if (code >= 0)
            out_.text.append(toChar(static_cast<unsigned char>(code)));
        else
            keep(u);
    }

    void keep(char16_t u)
    {
        out_.keptAt.append(int(out_.text.size()));
        out_.text.append(QChar(u));
        ++out_.unconverted;
    }

    const std::u16string& s_;
    const Tables& t_ = tables();
    size_t i_ = 0;
    BridgeResult out_;
};

} // namespace

BridgeResult unicodeToNq(const QString& unicode)
{
    thread_local std::u16string normalised;
    normalise(unicode, normalised);
    return FromUnicode(normalised).run();
}

} // namespace nq
