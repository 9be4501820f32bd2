#pragma once
// The conversion behind norvelin-rtf, kept apart from argument handling so that options
// (such as a Unicode bridge for NQ text) can be added in one place.

#include "rtf/failure.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextDocument;

namespace rtf_tool {

enum class OutputFormat { Rtf, Text, Html, Pdf };

// Chosen by the output file's extension (.rtf, .txt, .html, .htm or .pdf); empty when unknown.
std::optional<OutputFormat> formatForPath(const QString& path);

// How NQ text meets Unicode: kept as glyph codes, written out as Unicode Bengali
// (--unicode), or made from Unicode Bengali text (--from-unicode: the input is UTF-8 text).
enum class UnicodeMode { None, ToUnicode, FromUnicode };

struct ConversionOptions {
    OutputFormat format = OutputFormat::Rtf;
    UnicodeMode unicode = UnicodeMode::None;
};

// The document as UTF-8 text: paragraphs and line breaks as \n, pictures left out,
// NQ glyph codes as their cp1252 characters.
QByteArray plainText(const QTextDocument& document);

// Reads `input` and writes `output`; on failure, why (rtf/failure_text.h words it).
// `notices` receives the sentences the user should read about a conversion that did
// happen: an input cut short or with pictures shown as placeholders, pictures left out of
// the output.
// `unconverted`, when given, receives how many characters the Unicode bridge had no
// counterpart for (always 0 without --unicode).
// Output is written atomically: a failed write leaves an existing file as it was.
std::optional<rtf::Failure> convert(const QString& input, const QString& output, const ConversionOptions& options,
                               QStringList* notices = nullptr, int* unconverted = nullptr);

} // namespace rtf_tool
