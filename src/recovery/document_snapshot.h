#pragma once
// What a recovery copy needs of a document, taken on the window's thread in one pass that
// only copies (text shares its storage, formats are shared values), so that serializing and
// syncing can run on a worker while the writer goes on typing. The RTF writer reads the
// document's paragraphs, runs, pictures and default face; a snapshot holds exactly these.

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
    std::optional<QPageLayout> page_;   // the page the document was read with
    QList<Block> blocks_;
    QHash<QString, QVariant> images_; // picture name -> its decoded image
    qsizetype characters_ = 0;
};

} // namespace recovery
