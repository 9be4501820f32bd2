#pragma once
// Which code page RTF bytes are in, and decoding byte runs in that code page.

#include <QByteArray>
#include <QString>

#include <memory>
#include <unordered_map>

class QStringDecoder;

namespace rtf {

// The Windows code page of an \fcharsetN value; 0 when the value names none (then the
// document's \ansicpg applies).
int codePageOfCharset(int charset);

// The code page that Word's suffixed font names ("Arial CE", "Arial Cyr") stand for; Word
// gives the suffix priority over \fcharset and \cpg. 0 for other names.
int codePageOfFontName(const QString& name);

// Decodes byte runs by Windows code page, caching one decoder per code page. Code pages
// that the platform cannot decode fall back to Windows-1252 rather than losing the text.
class CodePageDecoder {
public:
    CodePageDecoder();
    ~CodePageDecoder();
    QString decode(int codePage, const QByteArray& bytes);

private:
    QStringDecoder& decoderFor(int codePage);
    std::unordered_map<int, std::unique_ptr<QStringDecoder>> decoders_;
};

} // namespace rtf
