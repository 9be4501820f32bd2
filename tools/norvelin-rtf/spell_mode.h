#pragma once
// norvelin-rtf --spell IN.rtf: the words of the document's NQ text that the spelling dictionary
// flags, one line each in reading order: PARAGRAPH<TAB>WORD<TAB>SUGGESTIONS, in Unicode
// (paragraphs counted from 1, up to three suggestions separated by single spaces).

#include <QString>

#include <optional>

class QTextDocument;

namespace rtf_tool {

// The report's lines for `document`, checked with the dictionary in `dictionaryFolder`;
// empty with the reason in `error` when the dictionary cannot be loaded.
std::optional<QString> spellReport(const QTextDocument& document, const QString& dictionaryFolder,
                                   QString* error);

// Prints the report for `input`; 0, or 1 with a message on stderr when the file or the
// dictionary cannot be read.
int runSpellCommand(const QString& input);

} // namespace rtf_tool
