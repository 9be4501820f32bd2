#include "rtf/kept_groups.h"

#include "rtf/page_setup.h"
#include "rtf/tokenizer.h"

#include <QTextDocument>
#include <QVariant>

namespace rtf {
namespace {

constexpr char kKeptGroupsProperty[] = "norvelinKeptGroups";

bool isFontWord(std::string_view word) { return word == "f" || word == "af"; }

bool isColorWord(std::string_view word)
{
    return word == "cf" || word == "cb" || word == "highlight" || word == "chcbpat" || word == "chcfpat";
}

} // namespace

std::optional<KeptGroups> keptGroupsOf(const QTextDocument& document)
{
    const QVariant value = document.property(kKeptGroupsProperty);
    if (!value.canConvert<KeptGroups>())
        return std::nullopt;
    KeptGroups kept = value.value<KeptGroups>();
    return kept.isEmpty() ? std::nullopt : std::optional(kept);
}

void setKeptGroups(QTextDocument& document, const KeptGroups& kept)
{
    document.setProperty(kKeptGroupsProperty, QVariant::fromValue(kept));
}

void forgetFileSettings(QTextDocument& document)
{
    document.setProperty(kKeptGroupsProperty, QVariant());
    clearPageLayout(document);
}

QByteArray renumbered(QByteArrayView group, const std::function<int(int)>& font, const std::function<int(int)>& color)
{
    QByteArray out;
    out.reserve(group.size());
    Tokenizer tokenizer(group);
    qsizetype copied = 0;
    for (Token token = tokenizer.next(); token.kind != TokenKind::End; token = tokenizer.next()) {
        if (token.kind != TokenKind::Word || !token.hasParam)
            continue;
        const bool fontWord = isFontWord(token.text);
        if (!fontWord && !isColorWord(token.text))
            continue;
        // The word as written: backslash, name, then the number up to its delimiter.
        qsizetype end = token.offset + 1 + qsizetype(token.text.size());
        if (end < group.size() && group[end] == '-')
            ++end;
        while (end < group.size() && group[end] >= '0' && group[end] <= '9')
            ++end;
        out.append(group.sliced(copied, token.offset - copied));
        const int number = fontWord ? font(token.param) : color(token.param);
        out.append('\\');
        out.append(token.text.data(), qsizetype(token.text.size()));
        out.append(QByteArray::number(number));
        copied = end;
    }
    out.append(group.sliced(copied));
    return out;
}

} // namespace rtf
