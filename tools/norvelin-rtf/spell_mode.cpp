#include "spell_mode.h"

#include "nq/unicode_bridge.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"
#include "spelling/dictionary_files.h"
#include "spelling/document_words.h"
#include "spelling/nq_speller.h"
#include "spelling/spell_engine.h"

#include <QCoreApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>

namespace rtf_tool {
namespace {

constexpr int kSuggestions = 3;

} // namespace

std::optional<QString> spellReport(const QTextDocument& document, const QString& dictionaryFolder,
                                   QString* error)
{
    auto engine = spelling::SpellEngine::load(dictionaryFolder, QString(), error);
    if (!engine)
        return std::nullopt;
    spelling::NqSpeller speller(*engine);
    QString report;
    int paragraph = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ++paragraph;
        const spelling::BlockWords found = spelling::nqWordsOf(block, document);
        for (const spelling::WordSpan& span : found.words) {
            const QString word = found.text.mid(span.start, span.length);
            if (speller.isCorrect(word))
                continue;
            QStringList shown;
            for (const QString& suggestion : speller.suggestions(word)) {
                const QString unicode = nq::nqToUnicode(suggestion).text;
                // Two-word suggestions would read as two suggestions here.
                if (!unicode.contains(u' ') && shown.size() < kSuggestions)
                    shown.append(unicode);
            }
            report += QStringLiteral("%1\t%2\t%3\n")
                          .arg(paragraph)
                          .arg(nq::nqToUnicode(word).text, shown.join(u' '));
        }
    }
    return report;
}

int runSpellCommand(const QString& input)
{
    QTextDocument document;
    if (const auto failure = rtf::loadFile(input, document)) {
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(rtf::failureText(*failure)));
        return 1;
    }
    const QString folder = spelling::findDictionaryFolder(QCoreApplication::applicationDirPath());
    QString error = QCoreApplication::translate("Spelling", "The spelling dictionary was not found.");
    const auto report = folder.isEmpty() ? std::nullopt : spellReport(document, folder, &error);
    if (!report) {
        std::fprintf(stderr, "norvelin-rtf: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray bytes = report->toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    return 0;
}

} // namespace rtf_tool
