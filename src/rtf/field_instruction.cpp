#include "rtf/field_instruction.h"

namespace rtf {
namespace {

// Field syntax writes a backslash in a quoted path doubled. Halved in one pass:
// QString::replace moves the rest of the string for each batch of matches, which made a
// long run of backslashes take time growing with its square.
QString halveBackslashes(QStringView text)
{
    QString halved;
    halved.reserve(text.size());
    for (qsizetype at = 0; at < text.size(); ++at) {
        halved.append(text[at]);
        if (text[at] == u'\\' && at + 1 < text.size() && text[at + 1] == u'\\')
            ++at;
    }
    return halved;
}

struct Argument {
    QString text;
    bool quoted = false;
};

// The next argument of a field instruction from `at`: a quoted string (its doubled
// backslashes halved, as field syntax writes paths) or a word; `at` moves past it.
Argument nextArgument(const QString& text, qsizetype& at)
{
    while (at < text.size() && text[at].isSpace())
        ++at;
    if (at >= text.size())
        return {};
    if (text[at] == u'"') {
        const qsizetype close = text.indexOf(u'"', at + 1);
        const QString argument = halveBackslashes(QStringView(text).mid(at + 1, close < 0 ? -1 : close - at - 1));
        at = close < 0 ? text.size() : close + 1;
        return {argument, true};
    }
    const qsizetype start = at;
    while (at < text.size() && !text[at].isSpace())
        ++at;
    return {text.mid(start, at - start), false};
}

} // namespace

QString hyperlinkTarget(const QString& instruction)
{
    const QString text = instruction.trimmed();
    if (!text.startsWith(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    QString address;
    QString location;
    bool addressSeen = false;
    for (qsizetype at = 9; at < text.size();) {
        const qsizetype before = at;
        const auto [argument, quoted] = nextArgument(text, at);
        if (at == before)
            break;
        if (!quoted && argument.size() == 2 && argument[0] == u'\\') {
            // \l names a place in the document; \o and \t take a tooltip and a frame.
            const QChar option = argument[1].toLower();
            if (option == u'l')
                location = nextArgument(text, at).text;
            else if (option == u'o' || option == u't')
                nextArgument(text, at);
            continue;
        }
        if (!addressSeen) {
            address = argument;
            addressSeen = true;
        }
    }
    return location.isEmpty() ? address : address + u'#' + location;
}

} // namespace rtf
