#pragma once
// What a recovery copy needs of a document, taken on the window's thread in one pass that
// only copies (text shares its storage, formats are shared values), so that serializing and
// syncing can run on a worker while the writer goes on typing. The RTF writer reads the
// document's paragraphs, runs, pictures and default face, and what the file gave beside
// the text (page setup, kept headers and style sheet); a snapshot holds exactly these.

#include "rtf/kept_groups.h"

#include <QFont>
#include <QPageLayout>
#include <QHash>
#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QVariant>

#include <memory>
#include <optional>

class QTextDocument;

namespace recovery {

class DocumentSnapshot {
public:
    // On the document's own thread.
    static DocumentSnapshot of(const QTextDocument& document);

    // On any thread: a document that the RTF writer writes as it writes the original.
    std::unique_ptr<QTextDocument> rebuild() const;

    qsizetype characterCount() const { return characters_; }

private:
    struct Run {
        QTextCharFormat format;
        QString text;
    };
    struct Block {
        QTextBlockFormat format;
        QTextCharFormat charFormat;
        QList<Run> runs;
    };

    QFont defaultFont_;
    // What the file gave beside the text.
    std::optional<QPageLayout> page_;
    std::optional<rtf::KeptGroups> kept_;
    QList<Block> blocks_;
    QHash<QString, QVariant> images_; // picture name -> its decoded image
    qsizetype characters_ = 0;
};

} // namespace recovery
