// NQ glyph codes (visual order) -> Unicode Bengali (logical order).
#include "nq/bridge_tables.h"
#include "nq/glyph_code.h"
#include "nq/unicode_bridge.h"

#include <QVarLengthArray>

namespace nq {
namespace {

using namespace bridge;
using Chars = QVarLengthArray<char16_t, 16>;

// One written syllable as the codes arrive: pre-base signs first, then the cluster, then
// whatever signs and marks follow it, in any order.
struct Syllable {
    Chars pre;
    Chars late;  // pre-base signs after a hasanta: they belong to the consonant that follows
    Chars cluster;
    Chars signs;
    Chars marks;
    bool hasBase = false;
    bool baseIsVowel = false;
    bool hasantaPending = false; // a hasanta right after the cluster: joins the next consonant
    bool nonJoiner = false;      // that hasanta is the one the font never joins
    bool marksStarted = false;
    bool reph = false;

    bool clusterIsRa() const { return cluster.size() == 1 && cluster[0] == kRa; }
};

class ToUnicode {
public:
    explicit ToUnicode(int sizeHint) { out_.text.reserve(sizeHint + sizeHint / 4 + 8); }

    void take(QChar ch)
    {
        const char16_t u = ch.unicode();
        if (isLayoutControl(u)) {
            flush();
            plain(u);
            endedWithHasanta_ = false;
            return;
        }
        const auto code = toCode(ch);
        if (!code || !t_.known[*code]) {
            flush();
            keep(ch);
            return;
        }
        takeCode(*code);
    }

    BridgeResult finish()
    {
        flush();
        return std::move(out_);
    }

private:
    void takeCode(int code)
    {
        const QString& uni = t_.unicode[code];
        switch (t_.kind[code]) {
        case Kind::Pre:
            if (s_.hasBase && s_.hasantaPending && !s_.marksStarted && !s_.nonJoiner)
                s_.late.append(uni[0].unicode());
            else {
                if (s_.hasBase)
                    flush();
                s_.pre.append(uni[0].unicode());
            }
            break;
        case Kind::Consonant:
        case Kind::Conjunct:
        case Kind::Ligature:
            takeConsonantBase(code, uni);
            break;
        case Kind::Vowel:
            if (s_.hasBase)
                flush();
            s_.hasBase = true;
            s_.baseIsVowel = true;
            append(s_.cluster, uni);
            break;
        case Kind::Hasanta:
            if (s_.hasBase && !s_.hasantaPending && !s_.marksStarted) {
                s_.hasantaPending = true;
                // The hasanta the font never joins: a consonant after it starts the next
                // syllable, and the non-joiner comes back.
                s_.nonJoiner = code == t_.hasantaVisible;
            } else {
                attachSignOrStandalone(QString(QChar(kHasanta)));
            }
            break;
        case Kind::Phala:
            if (s_.hasBase && !s_.hasantaPending && !s_.marksStarted) {
                // র followed by a phala would read as reph in Unicode without the joiner.
                if (s_.clusterIsRa() && !s_.reph)
                    s_.cluster.append(kZwj);
                append(s_.cluster, uni);
            } else {
                standalone(uni);
            }
            break;
        case Kind::Reph:
            if (s_.hasBase && !s_.reph && !s_.baseIsVowel) {
                s_.reph = true;
                s_.marksStarted = true;
            } else {
                standalone(uni);
            }
            break;
        case Kind::RephII:
            if (s_.hasBase && !s_.reph && !s_.baseIsVowel) {
                s_.reph = true;
                s_.marksStarted = true;
                s_.signs.append(uni[0].unicode());
            } else {
                flush();
                plain(kRa);
                plain(kHasanta);
                appendText(uni);
                endedWithHasanta_ = false;
            }
            break;
        case Kind::Below:
        case Kind::Post:
            attachSignOrStandalone(uni);
            break;
        case Kind::Above:
        case Kind::SpMark:
            if (s_.hasBase) {
                s_.marksStarted = true;
                s_.marks.append(uni[0].unicode());
            } else {
                standalone(uni);
            }
            break;
        default: // space, punctuation, digits, the line break
            flush();
            appendText(uni);
            endedWithHasanta_ = false;
            break;
        }
    }

    void takeConsonantBase(int code, const QString& uni)
    {
        const bool isLigature = t_.kind[code] == Kind::Ligature;
        const QStringView letters = isLigature ? QStringView(uni).chopped(1) : QStringView(uni);
        // Hasanta then consonant is how a conjunct the font lacks is typed. After a lone র it
        // stays visible (র্‌ক), since joining would make a reph of it.
        bool joins = s_.hasBase && s_.hasantaPending && !s_.nonJoiner && !s_.baseIsVowel
            && !(s_.clusterIsRa() && !s_.reph);
        // A sign between hasanta and consonant: where the font would have joined the two,
        // the writer kept the hasanta visible on purpose; elsewhere the sign stands where the
        // font needs it, after the visible hasanta, and the cluster goes on.
        Chars late;
        std::swap(late, s_.late);
        if (joins && !late.isEmpty()) {
            const char16_t pair[] = {s_.cluster.back(), kHasanta, letters[0].unicode()};
            joins = !fontJoins(t_, QStringView(pair, 3));
        }
        if (joins) {
            s_.pre.append(late.constData(), late.size());
            s_.cluster.append(kHasanta);
            s_.hasantaPending = false;
        } else {
            if (s_.hasBase)
                flush();
            if (!late.isEmpty())
                s_.pre = late;
            s_.hasBase = true;
        }
        append(s_.cluster, letters);
        if (isLigature) {
            s_.signs.append(uni.back().unicode());
            s_.marksStarted = true;
        }
    }

    void attachSignOrStandalone(const QString& uni)
    {
        if (!s_.hasBase) {
            standalone(uni);
            return;
        }
        s_.marksStarted = true;
        append(s_.signs, uni);
    }

    void standalone(const QString& uni)
    {
        flush();
        appendText(uni);
        endedWithHasanta_ = false;
    }

    void flush()
    {
        if (!s_.hasBase) {
            // Pre-base signs with nothing to stand before: kept as the signs they are.
            for (char16_t p : s_.pre)
                plain(p);
            if (!s_.pre.isEmpty())
                endedWithHasanta_ = false;
            s_ = Syllable();
            return;
        }
        Chars pre;
        for (char16_t p : s_.pre) {
            if (p == kSignE && joinSplitVowel(kSignAA, kSignO))
                continue;
            if (p == kSignE && joinSplitVowel(kAuLength, kSignAU))
                continue;
            pre.append(p);
        }
        if (s_.baseIsVowel && s_.cluster.size() == 1 && s_.cluster[0] == kVowelA
            && !s_.signs.isEmpty() && s_.signs[0] == kSignAA) {
            s_.cluster[0] = kVowelAA;
            s_.signs.remove(0);
        }
        // A hasanta that ended the previous syllable must not join this one in Unicode.
        const bool startsWithConsonant = s_.reph || isConsonant(s_.cluster[0]);
        if (endedWithHasanta_ && startsWithConsonant)
            plain(kZwnj);
        if (s_.reph) {
            plain(kRa);
            plain(kHasanta);
        }
        appendChars(s_.cluster);
        if (s_.hasantaPending)
            plain(kHasanta);
        if (s_.nonJoiner)
            plain(kZwnj);
        appendChars(pre);
        appendChars(s_.signs);
        appendChars(s_.marks);
        endedWithHasanta_ = s_.hasantaPending && !s_.nonJoiner && pre.isEmpty()
            && s_.signs.isEmpty() && s_.marks.isEmpty();
        // Signs after the hasanta that no consonant followed: kept as the signs they are.
        if (!s_.late.isEmpty()) {
            appendChars(s_.late);
            endedWithHasanta_ = false;
        }
        s_ = Syllable();
    }

    // e … া -> ো and e … ৗ -> ৌ: replaces the second half in place.
    bool joinSplitVowel(char16_t secondHalf, char16_t whole)
    {
        for (char16_t& sign : s_.signs) {
            if (sign == secondHalf) {
                sign = whole;
                return true;
            }
        }
        return false;
    }

    static void append(Chars& to, QStringView text)
    {
        for (QChar ch : text)
            to.append(ch.unicode());
    }
    void appendText(const QString& text)
    {
        for (QChar ch : text)
            plain(ch.unicode());
    }
    void appendChars(const Chars& chars)
    {
        for (char16_t u : chars)
            plain(u);
    }
    // NFC: ড় ঢ় য় are composition exclusions, written as the letter and the nukta.
    void plain(char16_t u)
    {
        const char16_t base = u == 0x09DC ? 0x09A1 : u == 0x09DD ? 0x09A2 : u == 0x09DF ? 0x09AF : 0;
        if (base) {
            out_.text.append(QChar(base));
            out_.text.append(QChar(kNukta));
        } else {
            out_.text.append(QChar(u));
        }
    }
    void keep(QChar ch)
    {
        out_.keptAt.append(int(out_.text.size()));
        out_.text.append(ch);
        ++out_.unconverted;
        endedWithHasanta_ = false;
    }

    const Tables& t_ = tables();
    BridgeResult out_;
    Syllable s_;
    bool endedWithHasanta_ = false;
};

} // namespace

BridgeResult nqToUnicode(const QString& nqText)
{
    ToUnicode converter(int(nqText.size()));
    for (QChar ch : nqText)
        converter.take(ch);
    return converter.finish();
}

} // namespace nq
