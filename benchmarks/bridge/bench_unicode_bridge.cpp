// Words per second through the Unicode bridge, both ways. Uses the system's Bengali word
// list (hunspell-bn) when it is installed, else a short sample of common words.
#include "nq/unicode_bridge.h"

#include <QFile>
#include <QStringList>
#include <benchmark/benchmark.h>

namespace {

const QStringList& unicodeWords()
{
    static const QStringList words = [] {
        QStringList list;
        QFile file(QStringLiteral("/usr/share/hunspell/bn_BD.dic"));
        if (file.open(QIODevice::ReadOnly)) {
            const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
            for (qsizetype i = 1; i < lines.size(); ++i)
                if (const QString w = lines[i].section(QLatin1Char('/'), 0, 0); !w.isEmpty())
                    list << w;
        }
        if (list.isEmpty())
            list = QString::fromUtf8("আমি বাংলায় গান গাই কর্মী প্রথম ন্যায় মন্ত্রী লক্ষ্মী চাঁদ হঠাৎ "
                                     "বৈশাখ মৌমাছি দ্বিতীয় উজ্জ্বল সন্তুষ্ট কীর্তি অ্যাসিড")
                       .split(QLatin1Char(' '));
        return list;
    }();
    return words;
}

const QStringList& nqWords()
{
    static const QStringList words = [] {
        QStringList list;
        for (const QString& w : unicodeWords())
            list << nq::unicodeToNq(w).text;
        return list;
    }();
    return words;
}

void convertAll(benchmark::State& state, const QStringList& words, nq::BridgeResult (*convert)(const QString&))
{
    qint64 done = 0;
    for (auto _ : state) {
        for (const QString& w : words)
            benchmark::DoNotOptimize(convert(w));
        done += words.size();
    }
    state.counters["words/s"] = benchmark::Counter(double(done), benchmark::Counter::kIsRate);
    state.counters["words"] = double(words.size());
}

void BM_UnicodeToNq(benchmark::State& state) { convertAll(state, unicodeWords(), &nq::unicodeToNq); }
void BM_NqToUnicode(benchmark::State& state) { convertAll(state, nqWords(), &nq::nqToUnicode); }

// A page of running text in one call: the clipboard's case.
void BM_UnicodeToNqPage(benchmark::State& state)
{
    const QString page = unicodeWords().mid(0, 2000).join(QLatin1Char(' '));
    for (auto _ : state)
        benchmark::DoNotOptimize(nq::unicodeToNq(page));
    state.counters["words/s"] = benchmark::Counter(2000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_NqToUnicodePage(benchmark::State& state)
{
    const QString page = nqWords().mid(0, 2000).join(QLatin1Char(' '));
    for (auto _ : state)
        benchmark::DoNotOptimize(nq::nqToUnicode(page));
    state.counters["words/s"] = benchmark::Counter(2000.0 * double(state.iterations()), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_UnicodeToNq)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NqToUnicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnicodeToNqPage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NqToUnicodePage)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
