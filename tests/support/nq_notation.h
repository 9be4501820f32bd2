#pragma once
// NQ text written the way a writer types it: ASCII characters are their own codes, {NNN}
// is the code NNN (for the palette's codes above 127).

#include "nq/glyph_code.h"

#include <QString>

inline QString nqText(const char* keys)
{
    QString out;
    for (const char* p = keys; *p; ++p) {
        if (*p == '{') {
            int code = 0;
            for (++p; *p && *p != '}'; ++p)
                code = code * 10 + (*p - '0');
            out.append(nq::toChar(static_cast<unsigned char>(code)));
        } else {
            out.append(nq::toChar(static_cast<unsigned char>(*p)));
        }
    }
    return out;
}

// The inverse, for failure messages.
inline QString nqKeys(const QString& text)
{
    QString out;
    for (QChar ch : text) {
        const auto code = nq::toCode(ch);
        if (code && *code >= 32 && *code < 127 && *code != '{')
            out.append(QChar(*code));
        else if (code)
            out.append(QStringLiteral("{%1}").arg(*code));
        else
            out.append(QStringLiteral("<U+%1>").arg(ch.unicode(), 4, 16, QLatin1Char('0')));
    }
    return out;
}
