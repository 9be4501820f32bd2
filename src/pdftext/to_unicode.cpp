#include "pdftext/to_unicode.h"

#include <QList>

namespace pdftext {
namespace {

// The hex strings and brackets of a CMap body, in order; other tokens come back as words.
struct Lexer {
    const QByteArray& text;
    qsizetype at = 0;

    QByteArray next()
    {
        while (at < text.size()) {
            const char c = text[at];
            if (c == '%') {
                while (at < text.size() && text[at] != '\n' && text[at] != '\r')
                    ++at;
            } else if (c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0') {
                ++at;
            } else {
                break;
            }
        }
        if (at >= text.size())
            return {};
        const qsizetype start = at;
        const char c = text[at];
        if (c == '<' && at + 1 < text.size() && text[at + 1] != '<') {
            const qsizetype end = text.indexOf('>', at);
            at = end < 0 ? text.size() : end + 1;
        } else if (c == '[' || c == ']') {
            ++at;
        } else {
            while (at < text.size() && !QByteArrayView(" \n\r\t\f\0[]<>", 11).contains(text[at]))
                ++at;
            if (at == start)
                ++at;
        }
        return text.mid(start, at - start);
    }
};

bool isHex(const QByteArray& token) { return token.startsWith('<') && token.endsWith('>'); }

QByteArray hexBytes(const QByteArray& token)
{
    QByteArray digits = token.mid(1, token.size() - 2);
    digits.replace(' ', "").replace('\n', "").replace('\r', "");
    return QByteArray::fromHex(digits);
}

quint32 codeOf(const QByteArray& token)
{
    quint32 value = 0;
    for (char byte : hexBytes(token))
        value = (value << 8) | quint8(byte);
    return value;
}

QString utf16BE(const QByteArray& bytes)
{
    QString text;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(char16_t((quint8(bytes[i]) << 8) | quint8(bytes[i + 1]))));
    return text;
}

// The destination for `offset` codes past a range's start: the last UTF-16 unit counts up.
QString advanced(QString text, quint32 offset)
{
    if (!text.isEmpty())
        text.back() = QChar(char16_t(text.back().unicode() + offset));
    return text;
}

} // namespace

QMap<quint16, QString> parseToUnicode(const QByteArray& cmap)
{
    QMap<quint16, QString> map;
    Lexer lex{cmap};
    for (QByteArray token = lex.next(); !token.isEmpty(); token = lex.next()) {
        if (token == "beginbfchar") {
            for (QByteArray src = lex.next(); isHex(src); src = lex.next()) {
                const QByteArray dst = lex.next();
                if (isHex(dst) && !hexBytes(dst).isEmpty())
                    map.insert(quint16(codeOf(src)), utf16BE(hexBytes(dst)));
            }
        } else if (token == "beginbfrange") {
            for (QByteArray lo = lex.next(); isHex(lo); lo = lex.next()) {
                const quint32 first = codeOf(lo), last = codeOf(lex.next());
                QByteArray dst = lex.next();
                if (dst == "[") {
                    quint32 code = first;
                    for (dst = lex.next(); isHex(dst); dst = lex.next(), ++code) {
                        if (code <= last && !hexBytes(dst).isEmpty())
                            map.insert(quint16(code), utf16BE(hexBytes(dst)));
                    }
                } else if (isHex(dst) && first <= last && last <= 0xFFFF) {
                    const QString base = utf16BE(hexBytes(dst));
                    for (quint32 code = first; code <= last && !base.isEmpty(); ++code)
                        map.insert(quint16(code), advanced(base, code - first));
                }
            }
        }
    }
    return map;
}

QByteArray writeToUnicode(const QMap<quint16, QString>& map)
{
    QByteArray out = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    const QList<quint16> codes = map.keys();
    constexpr qsizetype kPerBlock = 100; // the most a bfchar block may hold
    for (qsizetype from = 0; from < codes.size(); from += kPerBlock) {
        const qsizetype count = std::min(kPerBlock, codes.size() - from);
        out += QByteArray::number(count) + " beginbfchar\n";
        for (qsizetype i = from; i < from + count; ++i) {
            out += '<' + QByteArray::number(codes[i], 16).rightJustified(4, '0').toUpper() + "> <";
            for (QChar unit : map[codes[i]])
                out += QByteArray::number(unit.unicode(), 16).rightJustified(4, '0').toUpper();
            out += ">\n";
        }
        out += "endbfchar\n";
    }
    out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    return out;
}

} // namespace pdftext
