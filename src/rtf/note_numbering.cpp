#include "rtf/note_numbering.h"

#include "rtf/list_numbering.h"

#include <QChar>

#include <array>
#include <utility>

namespace rtf {
namespace {

constexpr qsizetype kKindWindow = 256;   // \ftnalt comes among a note's first words

bool endsWord(QByteArrayView data, qsizetype at) { return at >= data.size() || !QChar::isLetter(uchar(data[at])); }

// The numbering words, with or without the endnote prefix "a".
constexpr std::array<std::pair<const char*, NoteFormat>, 6> kFormats = {{
    {"ftnnar", NoteFormat::Arabic},
    {"ftnnalc", NoteFormat::LowerLetter},
    {"ftnnauc", NoteFormat::UpperLetter},
    {"ftnnrlc", NoteFormat::LowerRoman},
    {"ftnnruc", NoteFormat::UpperRoman},
    {"ftnnchi", NoteFormat::Chicago},
}};

} // namespace

void NoteNumbering::scan(QByteArrayView data)
{
    for (qsizetype at = data.indexOf("\\footnote"); at >= 0; at = data.indexOf("\\footnote", at + 1)) {
        const qsizetype words = at + 9;
        if (!endsWord(data, words))
            continue;
        QByteArrayView window = data.sliced(words, std::min(kKindWindow, data.size() - words));
        if (const qsizetype mark = window.indexOf("\\chftn"); mark >= 0)
            window.truncate(mark);
        const qsizetype alt = window.indexOf("\\ftnalt");
        endnote_.push_back(alt >= 0 && endsWord(window, alt + 7));
    }
    int footnotes = 0;
    int endnotes = 0;
    for (const bool endnote : endnote_)
        numberInKind_.push_back(endnote ? ++endnotes : ++footnotes);

    for (qsizetype at = data.indexOf("ftnn"); at >= 1; at = data.indexOf("ftnn", at + 1)) {
        const bool endnote = data[at - 1] == 'a' && at >= 2 && data[at - 2] == '\\';
        if (!endnote && data[at - 1] != '\\')
            continue;
        for (const auto& [word, format] : kFormats) {
            const qsizetype length = qsizetype(qstrlen(word));
            if (data.sliced(at).startsWith(word) && endsWord(data, at + length))
                (endnote ? endnoteFormat_ : footnoteFormat_) = format;
        }
    }
}

QString NoteNumbering::label(int index) const
{
    const bool known = index >= 0 && index < int(endnote_.size());
    const int number = known ? numberInKind_[size_t(index)] : index + 1;
    const NoteFormat format = known && endnote_[size_t(index)] ? endnoteFormat_ : footnoteFormat_;
    switch (format) {
    case NoteFormat::Arabic: return QString::number(number);
    case NoteFormat::LowerLetter: return formatNumber(number, NumberFormat::LowerLetter);
    case NoteFormat::UpperLetter: return formatNumber(number, NumberFormat::UpperLetter);
    case NoteFormat::LowerRoman: return formatNumber(number, NumberFormat::LowerRoman);
    case NoteFormat::UpperRoman: return formatNumber(number, NumberFormat::UpperRoman);
    case NoteFormat::Chicago: {
        // *, †, ‡, §, then doubled, tripled...
        static constexpr char16_t kSigns[] = {u'*', 0x2020, 0x2021, 0x00A7};
        const int repeat = std::min((number - 1) / 4 + 1, 16);
        return QString(repeat, QChar(kSigns[(number - 1) % 4]));
    }
    }
    return QString::number(number);
}

} // namespace rtf
