// Every word of the system's Bengali word list, Unicode -> NQ -> Unicode. A word comes back
// as its NFC form (the list writes ড় ঢ় য় as single code points) and may differ from that only
// for a reason the NQ encoding cannot carry: a character without a glyph, or a malformed
// entry. (A zero-width non-joiner after a hasanta and conjuncts beyond the table both come
// back exactly.)
#include "nq_notation.h"

#include "nq/unicode_bridge.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kWordList = QStringLiteral("/usr/share/hunspell/bn_BD.dic");

// Syllables as Unicode spells them; anything else in a word is a malformed entry.
const QRegularExpression& wellFormed()
{
    static const QRegularExpression re([] {
        const QString cons = QStringLiteral("[\\x{0995}-\\x{09B9}\\x{09DC}\\x{09DD}\\x{09DF}]");
        const QString sign = QStringLiteral("[\\x{09BE}-\\x{09C4}\\x{09C7}\\x{09C8}\\x{09CB}\\x{09CC}\\x{09D7}]");
        const QString marks = QStringLiteral("[\\x{0981}-\\x{0983}]*");
        const QString cluster = cons + QStringLiteral("(?:\\x{200D}?\\x{09CD}") + cons + QStringLiteral(")*");
        const QString consonantSyllable = cluster + QStringLiteral("(?:\\x{09CD}\\x{200C}?|") + sign
            + QStringLiteral("?") + marks + QStringLiteral(")");
        const QString vowelSyllable = QStringLiteral("[\\x{0985}-\\x{0994}](?:\\x{09CD}[\\x{09AF}\\x{09AC}]")
            + sign + QStringLiteral("?)?") + marks;
        return QStringLiteral("^(?:%1|%2|\\x{09CE}|[\\x{09E6}-\\x{09EF}])+$").arg(consonantSyllable, vowelSyllable);
    }());
    return re;
}

// Hasantas the writer sees: at the end, before a non-joiner or before anything but a consonant.
int visibleHasantas(const QString& word)
{
    int count = 0;
    for (qsizetype i = 0; i < word.size(); ++i) {
        if (word[i] != QChar(0x09CD))
            continue;
        const char16_t next = i + 1 < word.size() ? word[i + 1].unicode() : 0;
        const bool consonant = (next >= 0x0995 && next <= 0x09B9) || next == 0x09DC || next == 0x09DD
            || next == 0x09DF;
        if (!consonant)
            ++count;
    }
    return count;
}

} // namespace

class TestBridgeWordList : public QObject {
    Q_OBJECT
private slots:
    void everyWordComesBack();
};

void TestBridgeWordList::everyWordComesBack()
{
    QFile file(kWordList);
    QVERIFY2(file.open(QIODevice::ReadOnly),
             "The Bengali word list (Debian package hunspell-bn) is not installed: scripts/test installs it");
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    const QString hasantaCode(nq::toChar(95));

    int words = 0, identical = 0, zwnj = 0, malformed = 0, missingConjunct = 0, noGlyph = 0;
    int wordsWithMissingConjunct = 0;
    QStringList unexplained;
    for (qsizetype i = 1; i < lines.size(); ++i) { // the first line is the count
        const QString word = lines[i].section(QLatin1Char('/'), 0, 0).trimmed();
        if (word.isEmpty())
            continue;
        ++words;
        const nq::BridgeResult toNq = nq::unicodeToNq(word);
        const nq::BridgeResult back = nq::nqToUnicode(toNq.text);
        const QString nfc = word.normalized(QString::NormalizationForm_C);
        const bool missing = toNq.text.count(hasantaCode) > visibleHasantas(word);
        wordsWithMissingConjunct += missing;
        if (back.text == nfc) {
            ++identical;
            continue;
        }
        // Neither a non-joiner nor a conjunct beyond the table excuses a difference any more:
        // both are counted only to say what went wrong.
        const auto withoutZwnj = [](QString s) { return s.remove(QChar(0x200C)); };
        zwnj += withoutZwnj(back.text) == withoutZwnj(nfc);
        missingConjunct += missing;
        if (toNq.unconverted > 0) {
            ++noGlyph;
        } else if (!wellFormed().match(word).hasMatch()) {
            if (malformed++ < 10)
                qInfo("malformed: %s -> %s", qPrintable(word), qPrintable(back.text));
        } else if (unexplained.size() < 50) {
            unexplained << QStringLiteral("%1 -> %2 -> %3").arg(word, nqKeys(toNq.text), back.text);
        } else {
            unexplained << QString();
        }
    }
    qInfo("Word list: %d words; %d identical; %d differ: %d only by a zero-width non-joiner, %d malformed, "
          "%d spelling a conjunct with hasanta, %d with a character without a glyph, %d unexplained",
          words, identical, words - identical, zwnj, malformed, missingConjunct, noGlyph,
          int(unexplained.size()));
    qInfo("%d words spell a conjunct beyond the table with hasanta (the font joins it)", wordsWithMissingConjunct);
    QVERIFY2(words > 100000, "the word list looks truncated");
    QVERIFY2(unexplained.isEmpty(), qPrintable(unexplained.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestBridgeWordList)
#include "test_bridge_word_list.moc"
