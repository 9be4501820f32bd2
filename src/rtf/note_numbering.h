#pragma once
// Footnotes and endnotes (\footnote\ftnalt) are numbered in sequences of their own, each
// in the document's format for its kind (\ftnnN / \aftnnN). The reference mark (\chftn)
// stands before its note, so the kinds are found in one pass over the input first.

#include <QByteArrayView>
#include <QString>

#include <vector>

namespace rtf {

enum class NoteFormat { Arabic, LowerLetter, UpperLetter, LowerRoman, UpperRoman, Chicago };

class NoteNumbering {
public:
    // Scans the input for its notes' kinds and the numbering words.
    void scan(QByteArrayView data);
    // The label of the `index`th note (0-based, in the order of the file).
    QString label(int index) const;

private:
    std::vector<bool> endnote_;
    std::vector<int> numberInKind_;
    NoteFormat footnoteFormat_ = NoteFormat::Arabic;
    NoteFormat endnoteFormat_ = NoteFormat::LowerRoman;
};

} // namespace rtf
