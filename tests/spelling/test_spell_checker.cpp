// The checker on NQ words, against the dictionary the build makes: inflected forms accepted,
// typos flagged with the intended word among the first suggestions, suggestions that come
// back to NQ exactly, the user's own words with their endings, and the worker-thread service.

#include "spelling/dictionary_files.h"
#include "spelling/normalization.h"
#include "spelling/nq_speller.h"
#include "spelling/spell_engine.h"
#include "spelling/spell_service.h"

#include "nq/unicode_bridge.h"

#include <QCoreApplication>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace spelling;

namespace {

QString nqOf(const QString& unicode)
{
    const nq::BridgeResult codes = nq::unicodeToNq(unicode);
    return codes.unconverted == 0 ? codes.text : QString();
}

QString unicodeOf(const QString& nqWord)
{
    return nq::nqToUnicode(nqWord).text;
}

} // namespace

class TestSpellChecker : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void acceptedWords_data();
    void acceptedWords();
    void typos_data();
    void typos();
    void wordsWithNothingToCheck();
    void suggestionsRoundTrip_data();
    void suggestionsRoundTrip();
    void edgeFormsAreNormalized();
    void personalWordsTakeEndingsAndPersist();
    void unreadableDictionaryIsReported();
    void serviceAnswersInTheBackground();
    void serviceAddsAndIgnores();

private:
    QString folder_;
    QTemporaryDir home_;
    std::unique_ptr<SpellEngine> engine_;
};

void TestSpellChecker::initTestCase()
{
    folder_ = findDictionaryFolder(QCoreApplication::applicationDirPath());
    QVERIFY2(!folder_.isEmpty(), "the build's spelling/bn.aff and bn.dic beside the tests");
    QString error;
    engine_ = SpellEngine::load(folder_, QString(), &error);
    QVERIFY2(engine_, qPrintable(error));
}

void TestSpellChecker::acceptedWords_data()
{
    QTest::addColumn<QString>("word");
    // Plain words, and the endings a writer stacks on them: classifier, case, particle.
    const char* words[] = {
        "আমি", "বাংলায়", "আকাশে", "সকালে", "স্কুলে", "ফাইলের", "যায়নি", "হয়নি", "করেছিলাম",
        "জগতে", "জগতের", "মায়ের", "ভাইয়ের", "বাড়িতেও", "ছাত্ররা", "মানুষেরা", "শিক্ষার্থীদের",
        "ডেটা", "ডাটা", "ডেটাগুলো", "মেমরিতেই", "মেমোরি", "ফাইলগুলোতেই", "কম্পিউটারটির",
        "পাথ", "ফোল্ডারে", "তৈরি", "তৈরী", "পুরনো", "পুরোনো", "সামাজিকভাবে", "রবীন্দ্রনাথ",
    };
    for (const char* word : words)
        QTest::newRow(word) << QString::fromUtf8(word);
}

void TestSpellChecker::acceptedWords()
{
    QFETCH(QString, word);
    const QString nqWord = nqOf(word);
    QVERIFY(!nqWord.isEmpty());
    NqSpeller speller(*engine_);
    QVERIFY2(speller.isCorrect(nqWord), qPrintable(word));
}

void TestSpellChecker::typos_data()
{
    QTest::addColumn<QString>("typo");
    QTest::addColumn<QString>("intended");
    // The typist's usual slips: long and short vowel signs, ন/ণ, শ/ষ/স, জ/য, a dropped
    // hasanta, two letters swapped, one doubled.
    const char* pairs[][2] = {
        {"আমী", "আমি"}, {"প্রকৃতী", "প্রকৃতি"}, {"পৃথিবি", "পৃথিবী"}, {"মানূষ", "মানুষ"},
        {"দুরত্ব", "দূরত্ব"}, {"মুহুর্ত", "মুহূর্ত"}, {"কারন", "কারণ"}, {"বিশেস", "বিশেষ"},
        {"আকাসে", "আকাশে"}, {"বকতব্য", "বক্তব্য"}, {"রবিন্দ্রনাথ", "রবীন্দ্রনাথ"},
        {"সমাজিক", "সামাজিক"}, {"লিখেছেলাম", "লিখেছিলাম"}, {"ফাইলেরর", "ফাইলের"},
        {"কম্পিউটর", "কম্পিউটার"}, {"ইতিমধ্য", "ইতিমধ্যে"}, {"নিবেদিন", "নিবেদন"},
    };
    for (const auto& pair : pairs)
        QTest::newRow(pair[0]) << QString::fromUtf8(pair[0]) << QString::fromUtf8(pair[1]);
}

void TestSpellChecker::typos()
{
    QFETCH(QString, typo);
    QFETCH(QString, intended);
    NqSpeller speller(*engine_);
    const QString nqTypo = nqOf(typo);
    QVERIFY(!nqTypo.isEmpty());
    QVERIFY2(!speller.isCorrect(nqTypo), qPrintable(typo));
    const QStringList suggestions = speller.suggestions(nqTypo, 3);
    QStringList shown;
    for (const QString& s : suggestions)
        shown.append(unicodeOf(s));
    QVERIFY2(suggestions.contains(nqOf(intended)),
             qPrintable(typo + QStringLiteral(" -> ") + shown.join(u' ')));
    // The verdict is kept: asking again gives the same answer.
    QVERIFY(!speller.isCorrect(nqTypo));
}

void TestSpellChecker::wordsWithNothingToCheck()
{
    NqSpeller speller(*engine_);
    // A lone hasanta or ZWNJ hasanta holds no letter: nothing to flag, nothing to suggest.
    for (const QString& word : {QStringLiteral("_"), nq::unicodeToNq(QStringLiteral("\u09cd\u200c")).text}) {
        QVERIFY(speller.isCorrect(word));
        QVERIFY(speller.suggestions(word).isEmpty());
    }
    QVERIFY(unicodeWordOf(QStringLiteral("\u0001")).isEmpty());
}

void TestSpellChecker::suggestionsRoundTrip_data()
{
    QTest::addColumn<QString>("typo");
    for (const char* typo : {"বিশেস", "কারন", "পরিক্ষা", "সমস্য", "শিকষা", "উজ্জলতা", "ক্ষমতাশিল"})
        QTest::newRow(typo) << QString::fromUtf8(typo);
}

void TestSpellChecker::suggestionsRoundTrip()
{
    QFETCH(QString, typo);
    NqSpeller speller(*engine_);
    const QStringList fromEngine = engine_->suggestions(dictionaryForm(typo));
    QVERIFY(!fromEngine.isEmpty());
    const QStringList suggestions = speller.suggestions(nqOf(typo), 8);
    QVERIFY(!suggestions.isEmpty());
    for (const QString& nqSuggestion : suggestions) {
        // Each NQ suggestion is one of the engine's, exactly, once bridged back.
        QVERIFY2(fromEngine.contains(dictionaryForm(unicodeOf(nqSuggestion))),
                 qPrintable(unicodeOf(nqSuggestion)));
    }
    // Nothing that round-trips is dropped, and the order is the engine's.
    const QStringList expected = nqSuggestions(fromEngine, 8);
    QCOMPARE(suggestions, expected);
}

void TestSpellChecker::edgeFormsAreNormalized()
{
    // য় as য + nukta, ো as its two halves, khanda ta as ত + hasanta + ZWJ: the same words.
    QVERIFY(engine_->isCorrect(dictionaryForm(QStringLiteral("\u09ac\u09be\u0982\u09b2\u09be\u09af\u09bc"))));
    QVERIFY(engine_->isCorrect(dictionaryForm(QStringLiteral("\u09ac\u09c7\u09be\u09a8"))));
    QVERIFY(engine_->isCorrect(dictionaryForm(QStringLiteral("\u099c\u0997\u09a4\u09cd\u200d"))));
    // A ZWNJ inside a word changes nothing for the dictionary.
    QVERIFY(engine_->isCorrect(dictionaryForm(QStringLiteral("\u0995\u09b0\u09cd\u200c\u09ae"))));
}

void TestSpellChecker::personalWordsTakeEndingsAndPersist()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("norvelin/personal-dictionary.txt"));
    const QString word = QStringLiteral("ঝমরুপক");   // no such word
    const QString inflected = QStringLiteral("ঝমরুপকগুলোতেই");
    {
        auto engine = SpellEngine::load(folder_, path, nullptr);
        QVERIFY(engine);
        QVERIFY(!engine->isCorrect(word));
        QString error;
        QVERIFY2(engine->addWord(word, true, &error), qPrintable(error));
        QVERIFY(engine->isCorrect(word));
        QVERIFY(engine->isCorrect(inflected));
        QVERIFY(engine->addWord(word, true));   // a second time adds no line
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(file.readAll()), word + u'\n');
    auto reloaded = SpellEngine::load(folder_, path, nullptr);
    QVERIFY(reloaded);
    QVERIFY(reloaded->isCorrect(inflected));
}

void TestSpellChecker::unreadableDictionaryIsReported()
{
    QTemporaryDir empty;
    QString error;
    QVERIFY(!SpellEngine::load(empty.path(), QString(), &error));
    QVERIFY2(error.contains(QStringLiteral("bn.aff")), qPrintable(error));
    // Hunspell files that are not Norvelin's build are refused, not half used.
    QFile aff(empty.filePath(QStringLiteral("bn.aff")));
    QFile dic(empty.filePath(QStringLiteral("bn.dic")));
    QVERIFY(aff.open(QIODevice::WriteOnly) && dic.open(QIODevice::WriteOnly));
    aff.write("SET UTF-8\n");
    dic.write("1\nword\n");
    aff.close();
    dic.close();
    QVERIFY(!SpellEngine::load(empty.path(), QString(), &error));
    QVERIFY2(error.contains(QStringLiteral("bn.dic")), qPrintable(error));
}

void TestSpellChecker::serviceAnswersInTheBackground()
{
    SpellService service(folder_, QString());
    const QString good = nqOf(QStringLiteral("আকাশে"));
    const QString bad = nqOf(QStringLiteral("আকাসে"));
    QSignalSpy changed(&service, &SpellService::verdictsChanged);
    QVERIFY(!service.verdict(good).has_value());
    QVERIFY(!service.verdict(bad).has_value());
    QVERIFY(service.isBusy());
    QTRY_VERIFY_WITH_TIMEOUT(!service.isBusy(), 20000);
    QVERIFY(changed.count() >= 1);
    QCOMPARE(service.verdict(good), std::optional<bool>(true));
    QCOMPARE(service.verdict(bad), std::optional<bool>(false));

    QSignalSpy suggested(&service, &SpellService::suggestionsReady);
    service.requestSuggestions(bad);
    QTRY_COMPARE_WITH_TIMEOUT(suggested.count(), 1, 20000);
    QCOMPARE(suggested[0][0].toString(), bad);
    QVERIFY(suggested[0][1].toStringList().contains(good));
}

void TestSpellChecker::serviceAddsAndIgnores()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("personal.txt"));
    SpellService service(folder_, path);
    const QString typo = nqOf(QStringLiteral("আকাসে"));
    const QString coined = nqOf(QStringLiteral("ঝমরুপক"));
    const QString coinedInflected = nqOf(QStringLiteral("ঝমরুপকের"));
    service.verdict(typo);
    service.verdict(coinedInflected);
    QTRY_VERIFY_WITH_TIMEOUT(!service.isBusy(), 20000);
    QCOMPARE(service.verdict(typo), std::optional<bool>(false));
    QCOMPARE(service.verdict(coinedInflected), std::optional<bool>(false));

    service.ignoreAll(typo);
    QCOMPARE(service.verdict(typo), std::optional<bool>(true));

    QSignalSpy changed(&service, &SpellService::verdictsChanged);
    service.addToDictionary(coined);
    QCOMPARE(service.verdict(coined), std::optional<bool>(true));
    // Once the worker has the word, its inflected forms are asked again and pass.
    QTRY_VERIFY_WITH_TIMEOUT(service.verdict(coinedInflected) == std::optional<bool>(true), 20000);
    QVERIFY(QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestSpellChecker)
#include "test_spell_checker.moc"
