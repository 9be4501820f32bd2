#include "conversion.h"
#include "pdf_output.h"

#include "nq/face.h"
#include "nq/glyph_code.h"
#include "nqtext/nq_runs.h"
#include "nqtext/unicode_document.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QFileInfo>
#include <QTextCursor>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace rtf_tool {
namespace {

QChar cp1252Character(QChar glyph)
{
    const auto code = nq::toCode(glyph);
    if (!code)
        return glyph;
    // Codes held in the private-use area read back as their own Latin-1 character.
    return nq::isHeldPrivate(*code) ? QChar(char16_t(*code)) : nq::toChar(*code);
}

} // namespace

std::optional<OutputFormat> formatForPath(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"rtf")
        return OutputFormat::Rtf;
    if (suffix == u"txt")
        return OutputFormat::Text;
    if (suffix == u"html" || suffix == u"htm")
        return OutputFormat::Html;
    if (suffix == u"pdf")
        return OutputFormat::Pdf;
    return std::nullopt;
}

QByteArray plainText(const QTextDocument& document)
{
    const QFont fallback = document.defaultFont();
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text.append(u'\n');
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool nq = nqtext::isNqRun(fragment.charFormat(), fallback);
            for (QChar ch : fragment.text()) {
                if (ch == QChar::ObjectReplacementCharacter)
                    continue;
                if (ch == QChar::LineSeparator)
                    text.append(u'\n');
                else
                    text.append(nq ? cp1252Character(ch) : ch);
            }
        }
    }
    text.append(u'\n');
    return text.toUtf8();
}

std::optional<rtf::Failure> convert(const QString& input, const QString& output, const ConversionOptions& options,
                                    QStringList* notices, int* unconverted)
{
    if (unconverted)
        *unconverted = 0;
    if (notices)
        notices->clear();
    QTextDocument document;
    if (options.unicode == UnicodeMode::FromUnicode) {
        QByteArray bytes;
        if (auto error = rtf::readFile(input, bytes))
            return error;
        QTextCursor cursor(&document);
        // At the size and in the face the editor types in, not the document's default.
        QTextCharFormat typing;
        typing.setFontFamilies({nq::kFace});
        typing.setFontPointSize(nq::kTypingPointSize);
        cursor.setCharFormat(typing);
        QString text = QString::fromUtf8(bytes);
        // A text file's final line end closes its last line; it opens no paragraph.
        if (text.endsWith(u'\n'))
            text.chop(text.endsWith(QLatin1String("\r\n")) ? 2 : 1);
        nqtext::insertUnicodeAsNq(cursor, text);
    } else {
        rtf::ReadNotes notes;
        if (auto error = rtf::loadFile(input, document, &notes))
            return error;
        if (notices)
            *notices = rtf::noticesFor(input, notes);
    }
    if (options.unicode == UnicodeMode::ToUnicode) {
        switch (options.format) {
        case OutputFormat::Text:
            return rtf::saveBytes(output, (nqtext::documentToUnicodeText(document, unconverted) + u'\n').toUtf8());
        case OutputFormat::Html:
            return rtf::saveBytes(output, nqtext::toUnicodeDocument(document, QStringLiteral("Noto Sans Bengali"),
                                                                    unconverted)
                                              ->toHtml().toUtf8());
        case OutputFormat::Rtf:
        case OutputFormat::Pdf:
            break;
        }
    }
    switch (options.format) {
    case OutputFormat::Rtf: {
        rtf::WriteNotes notes;
        if (auto error = rtf::saveFile(output, document, &notes))
            return error;
        if (notices)
            *notices += rtf::noticesFor(output, notes);
        return std::nullopt;
    }
    case OutputFormat::Text: return rtf::saveBytes(output, plainText(document));
    case OutputFormat::Html: return rtf::saveBytes(output, document.toHtml().toUtf8());
    case OutputFormat::Pdf: return writePdf(document, output, QFileInfo(input).completeBaseName(), notices);
    }
    return std::nullopt;
}

} // namespace rtf_tool
