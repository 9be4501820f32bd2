#include "nq_speller.h"

#include "normalization.h"
#include "spell_engine.h"

#include "nq/unicode_bridge.h"

namespace spelling {
namespace {

// A vowel or consonant letter: a word of signs and marks alone is no word to check.
bool holdsBengaliLetter(const QString& text)
{
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if ((u >= 0x0985 && u <= 0x09B9) || u == 0x09CE || (u >= 0x09DC && u <= 0x09E1))
            return true;
    }
    return false;
}

} // namespace

QString unicodeWordOf(const QString& nqWord)
{
    const nq::BridgeResult unicode = nq::nqToUnicode(nqWord);
    if (unicode.unconverted > 0 || !holdsBengaliLetter(unicode.text))
        return {};
    return dictionaryForm(unicode.text);
}

QStringList nqSuggestions(const QStringList& suggestions, int limit)
{
    QStringList result;
    for (const QString& suggestion : suggestions) {
        if (result.size() >= limit)
            break;
        const QString wanted = dictionaryForm(suggestion);
        const nq::BridgeResult codes = nq::unicodeToNq(wanted);
        if (codes.unconverted > 0 || codes.text.isEmpty() || result.contains(codes.text))
            continue;
        const nq::BridgeResult back = nq::nqToUnicode(codes.text);
        if (back.unconverted == 0 && dictionaryForm(back.text) == wanted)
            result.append(codes.text);
    }
    return result;
}

bool NqSpeller::isCorrect(const QString& nqWord)
{
    const auto known = verdicts_.constFind(nqWord);
    if (known != verdicts_.constEnd())
        return *known;
    const QString word = unicodeWordOf(nqWord);
    const bool correct = word.isEmpty() || engine_.isCorrect(word);
    verdicts_.insert(nqWord, correct);
    return correct;
}

QStringList NqSpeller::suggestions(const QString& nqWord, int limit)
{
    const QString word = unicodeWordOf(nqWord);
    return word.isEmpty() ? QStringList() : nqSuggestions(engine_.suggestions(word), limit);
}

} // namespace spelling
