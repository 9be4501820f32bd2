#pragma once
// What a recovery copy needs of a document, taken on the window's thread by copying only
// (text into strings of its own, formats as shared values), so that serializing and syncing
// can run on a worker while the writer goes on typing. The RTF writer reads the document's
// paragraphs, runs, pictures and default face, and what the file gave beside the text (page
// setup, kept headers and style sheet); a snapshot holds exactly these.

#include "rtf/kept_groups.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextFormat>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

class QTextBlock;
class QTextDocument;

namespace recovery {

// One paragraph as the writer needs it. Never changed once made, so that the window's
// thread and the worker can hold the same one.
struct ParagraphCopy {
    struct Run {
        QTextCharFormat format;
        QString text;
    };
    QTextBlockFormat format;
    QTextCharFormat charFormat;
    QList<Run> runs;
    QStringList imageNames; // the pictures its runs show, by resource name
    int length = 0;         // in the document, with the paragraph's end

    static std::shared_ptr<const ParagraphCopy> of(const QTextBlock& block);
};
using SharedParagraph = std::shared_ptr<const ParagraphCopy>;

class DocumentSnapshot {
public:
    // On the document's own thread: a walk through the whole document.
    static DocumentSnapshot of(const QTextDocument& document);
    // The same from copies of all its paragraphs, in order, made earlier and still current
    // (`withPictures` when any shows a picture); the rest is taken from the document now.
    static DocumentSnapshot of(const QTextDocument& document, std::vector<SharedParagraph> paragraphs,
                               bool withPictures = true);

    // On any thread: a document that the RTF writer writes as it writes the original.
    std::unique_ptr<QTextDocument> rebuild() const;
    // On any thread: the original as the RTF writer writes it.
    QByteArray rtf() const;

    qsizetype characterCount() const { return characters_; }

private:
    QFont defaultFont_;
    // What the file gave beside the text.
    std::optional<QPageLayout> page_;
    std::optional<rtf::KeptGroups> kept_;
    std::vector<SharedParagraph> paragraphs_;
    QHash<QString, QVariant> images_; // picture name -> its decoded image
    qsizetype characters_ = 0;
    // A document with tables, which paragraph copies do not hold, as the RTF writer wrote it
    // on the document's thread; empty otherwise.
    QByteArray written_;
};

} // namespace recovery
