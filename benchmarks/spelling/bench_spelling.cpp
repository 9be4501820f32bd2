// The spell checker on text from this machine (make_corpus.py): how many words of correct UI
// text and prose it flags, how many realistic typos it catches, how often the intended word is
// among the first three suggestions, how long loading and suggesting take, and its speed.
//
// usage: bench_spelling CORPUS_DIR   (ui.txt and prose.txt, Unicode, one text a line)

#include "spelling/dictionary_files.h"
#include "spelling/normalization.h"
#include "spelling/nq_speller.h"
#include "spelling/spell_engine.h"
#include "spelling/word_splitter.h"

#include "nq/unicode_bridge.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

using namespace spelling;

namespace {

bool isBengali(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= 0x0980 && u <= 0x09FF) || u == 0x200C || u == 0x200D;
}

// The NQ words of a Unicode text, as the editor holds them: each Bengali stretch becomes NQ
// codes and is split there; everything else is not NQ text and not checked.
QStringList nqWordsOf(const QString& line)
{
    QStringList words;
    for (int i = 0; i < line.size();) {
        if (!isBengali(line[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end < line.size() && isBengali(line[end]))
            ++end;
        const QString nq = nq::unicodeToNq(line.mid(i, end - i)).text;
        for (const WordSpan& span : splitNqWords(nq))
            words.append(nq.mid(span.start, span.length));
        i = end;
    }
    return words;
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_spelling: %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
        std::exit(1);
    }
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

QString u(const char* text) { return QString::fromUtf8(text); }

// ---- Typos --------------------------------------------------------------------------------

using Mutation = std::function<QString(const QString&, std::mt19937&)>;

// Replaces one occurrence, picked at random, of a character of `from` by its partner in `to`.
Mutation swapLetters(const QString& from, const QString& to)
{
    return [from, to](const QString& word, std::mt19937& random) {
        QList<int> places;
        for (int i = 0; i < word.size(); ++i)
            if (from.contains(word[i]))
                places.append(i);
        if (places.isEmpty())
            return QString();
        const int at = places[std::uniform_int_distribution<int>(0, int(places.size()) - 1)(random)];
        QString typo = word;
        typo[at] = to[from.indexOf(word[at])];
        return typo;
    };
}

bool isConsonant(QChar ch)
{
    const char16_t c = ch.unicode();
    return (c >= 0x0995 && c <= 0x09B9) || (c >= 0x09DC && c <= 0x09DF);
}

// A hasanta between two consonants that an NQ typist types as such: not a phala (্য ্র, typed
// with their own keys) and not a reph.
QString dropHasanta(const QString& word, std::mt19937& random)
{
    QList<int> places;
    for (int i = 1; i + 1 < word.size(); ++i) {
        if (word[i] != QChar(0x09CD) || !isConsonant(word[i - 1]) || !isConsonant(word[i + 1]))
            continue;
        if (word[i + 1] == QChar(0x09AF) || word[i + 1] == QChar(0x09B0) || word[i - 1] == QChar(0x09B0))
            continue;
        places.append(i);
    }
    if (places.isEmpty())
        return {};
    QString typo = word;
    typo.remove(places[std::uniform_int_distribution<int>(0, int(places.size()) - 1)(random)], 1);
    return typo;
}

// Syllables: a consonant cluster (joined by hasantas) or an independent vowel, with the signs
// and marks after it.
QStringList syllables(const QString& word)
{
    QStringList result;
    for (int i = 0; i < word.size();) {
        int end = i + 1;
        while (end < word.size()) {
            const QChar ch = word[end];
            if (word[end - 1] == QChar(0x09CD) && isConsonant(ch)) {
                ++end;
                continue;
            }
            if (isConsonant(ch) || (ch.unicode() >= 0x0985 && ch.unicode() <= 0x0994))
                break;
            ++end;
        }
        result.append(word.mid(i, end - i));
        i = end;
    }
    return result;
}

QString swapSyllables(const QString& word, std::mt19937& random)
{
    QStringList parts = syllables(word);
    if (parts.size() < 2)
        return {};
    const int at = std::uniform_int_distribution<int>(0, int(parts.size()) - 2)(random);
    std::swap(parts[at], parts[at + 1]);
    return parts.join(QString());
}

struct TypoKind {
    const char* name;
    Mutation mutate;
};

double percent(long part, long whole) { return whole ? 100.0 * double(part) / double(whole) : 0.0; }

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: bench_spelling CORPUS_DIR\n", stderr);
        return 2;
    }
    const QString corpus = QString::fromLocal8Bit(argv[1]);
    const QString folder = findDictionaryFolder(QCoreApplication::applicationDirPath());

    const long rssBefore = residentKb();
    QElapsedTimer clock;
    clock.start();
    QString error;
    auto engine = SpellEngine::load(folder, QString(), &error);
    const double loadSeconds = clock.nsecsElapsed() / 1e9;
    if (!engine) {
        std::fprintf(stderr, "bench_spelling: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("dictionary: %s\nload: %.2f s, %ld MB resident\n", qPrintable(folder), loadSeconds,
                (residentKb() - rssBefore) / 1024);

    // ---- False flags on correct text ----
    QSet<QString> correctWords;   // Unicode, for the typos
    QStringList allTokens;
    for (const char* name : {"ui", "prose"}) {
        NqSpeller speller(*engine);
        long words = 0, flagged = 0;
        QHash<QString, int> flaggedWords;
        for (const QString& line : readLines(corpus + u'/' + QLatin1String(name) + QStringLiteral(".txt"))) {
            for (const QString& word : nqWordsOf(line)) {
                const QString unicode = unicodeWordOf(word);
                if (unicode.isEmpty())
                    continue;
                ++words;
                allTokens.append(word);
                if (speller.isCorrect(word))
                    correctWords.insert(unicode);
                else {
                    ++flagged;
                    ++flaggedWords[unicode];
                }
            }
        }
        std::printf("\n%s: %ld words, %ld flagged: %.1f%%\n", name, words, flagged, percent(flagged, words));
        QList<QPair<int, QString>> top;
        for (auto it = flaggedWords.constBegin(); it != flaggedWords.constEnd(); ++it)
            top.append({it.value(), it.key()});
        std::sort(top.begin(), top.end(), [](const auto& a, const auto& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        });
        std::printf("  most flagged:");
        for (int i = 0; i < std::min<int>(40, int(top.size())); ++i)
            std::printf(" %s(%d)", qPrintable(top[i].second), top[i].first);
        std::printf("\n");
    }

    // ---- Speed ----
    {
        QStringList distinct(allTokens.begin(), allTokens.end());
        distinct.removeDuplicates();
        NqSpeller speller(*engine);
        clock.restart();
        for (const QString& word : distinct)
            speller.isCorrect(word);
        const double fresh = clock.nsecsElapsed() / 1e9;
        clock.restart();
        for (const QString& word : allTokens)
            speller.isCorrect(word);
        const double cached = clock.nsecsElapsed() / 1e9;
        std::printf("\nspeed: %.0f words/s looked up (%lld distinct words, bridged, normalized, checked); "
                    "%.0f words/s from the per-word cache\n",
                    distinct.size() / fresh, static_cast<long long>(distinct.size()), allTokens.size() / cached);
    }

    // ---- Typos ----
    const TypoKind kinds[] = {
        {"i/ii", swapLetters(u("িী"), u("ীি"))},
        {"u/uu", swapLetters(u("ুূ"), u("ূু"))},
        {"n/nn", swapLetters(u("নণ"), u("ণন"))},
        {"sh/ss/s", swapLetters(u("শষস"), u("সশশ"))},
        {"j/y", swapLetters(u("জয"), u("যজ"))},
        {"hasanta dropped", dropHasanta},
        {"syllables swapped", swapSyllables},
    };
    constexpr int kPerKind = 72;
    QStringList pool(correctWords.begin(), correctWords.end());
    pool.sort();
    std::mt19937 random(24);
    std::shuffle(pool.begin(), pool.end(), random);
    long total = 0, caught = 0, realWords = 0, topThree = 0;
    QList<double> suggestMs;
    std::printf("\ntypos (%d a kind, from correct corpus words of 3 letters or more):\n", kPerKind);
    NqSpeller speller(*engine);
    for (const TypoKind& kind : kinds) {
        int made = 0, kindCaught = 0, kindTop = 0;
        for (const QString& word : pool) {
            if (made == kPerKind)
                break;
            if (syllables(word).size() < 2)
                continue;
            const QString typo = dictionaryForm(kind.mutate(word, random));
            if (typo.isEmpty() || typo == word)
                continue;
            const QString nqTypo = nq::unicodeToNq(typo).text;
            if (unicodeWordOf(nqTypo) != typo)
                continue;   // a typo NQ cannot hold
            ++made;
            if (speller.isCorrect(nqTypo)) {
                ++realWords;
                continue;
            }
            ++kindCaught;
            clock.restart();
            const QStringList suggestions = speller.suggestions(nqTypo, 3);
            suggestMs.append(clock.nsecsElapsed() / 1e6);
            if (suggestions.contains(nq::unicodeToNq(word).text))
                ++kindTop;
        }
        total += made;
        caught += kindCaught;
        topThree += kindTop;
        std::printf("  %-18s %3d made, %5.1f%% caught, intended word in the top three for %5.1f%% of those caught\n",
                    kind.name, made, percent(kindCaught, made), percent(kindTop, kindCaught));
    }
    std::sort(suggestMs.begin(), suggestMs.end());
    std::printf("  all                %3ld made, %5.1f%% caught (%ld became another accepted word), "
                "top three %.1f%% of those caught\n",
                total, percent(caught, total), realWords, percent(topThree, caught));
    if (!suggestMs.isEmpty())
        std::printf("suggestions: %.0f ms median, %.0f ms worst\n", suggestMs[suggestMs.size() / 2], suggestMs.last());
    return 0;
}
