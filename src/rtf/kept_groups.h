#pragma once
// Parts of a file the editor does not show but a save must not lose: the style sheet, and
// the headers and footers. Kept with the QTextDocument as the file wrote them, with the
// file's font and colour tables they refer to, and written back renumbered for the new
// file's tables.

#include <QByteArray>
#include <QByteArrayList>
#include <QColor>
#include <QHash>
#include <QList>
#include <QMetaType>
#include <QString>

#include <functional>
#include <optional>

class QTextDocument;

namespace rtf {

struct KeptGroups {
    QByteArray styleSheet;
    QByteArrayList pageParts;   // \header... and \footer... groups, in the file's order
    QHash<int, QString> fonts;  // the file's font numbers and their faces
    QList<QColor> colors;       // the file's colour table, by index
    bool isEmpty() const { return styleSheet.isEmpty() && pageParts.isEmpty(); }
};

std::optional<KeptGroups> keptGroupsOf(const QTextDocument& document);
void setKeptGroups(QTextDocument& document, const KeptGroups& kept);

// Forgets what the file gave beside the text (kept groups, page setup): the editor's New.
void forgetFileSettings(QTextDocument& document);

// `group` with every font number (\f, \af) and colour number (\cf, \cb, \highlight,
// \chcbpat) given by `font` and `color`, which take the file's number.
QByteArray renumbered(QByteArrayView group, const std::function<int(int)>& font, const std::function<int(int)>& color);

} // namespace rtf

Q_DECLARE_METATYPE(rtf::KeptGroups)
