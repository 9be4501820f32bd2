#pragma once
// Appends text, images and paragraph breaks to a QTextDocument in reading order.
// A paragraph break is only made when something follows it, so that a file whose last
// paragraph ends with \par does not gain an empty paragraph.

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <limits>

class QImage;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;

namespace rtf {

class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument& document);
    QTextDocument& document() { return document_; }

    void insertText(const QString& text, const QTextCharFormat& format);
    // Adds `image` to the document's resources; returns the name a QTextImageFormat uses.
    QString addImage(const QImage& image);
    void insertImage(const QTextImageFormat& format);
    // Ends the current paragraph with `format`; `characters` is kept as the paragraph's own
    // character format when it holds no text (an empty line keeps its font size).
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& characters);
    // Gives the last paragraph its format, unless it is the empty one after a final break.
    void finish(const QTextBlockFormat& format, const QTextCharFormat& characters);
    // The last paragraph has ended and nothing follows it yet.
    bool breakPending() const { return breakPending_; }

    // Qt's text document ends the program when an allocation fails. The builder estimates
    // what the document takes as it grows (measured: about 150 bytes a paragraph), so
    // that reading can stop before it would need more than `bytes`.
    void setAllowance(qint64 bytes) { allowance_ = bytes; }
    bool overAllowance() const { return estimatedBytes_ > allowance_; }

private:
    void openPendingParagraph(const QTextCharFormat& characters);

    void applyBlockFormat(const QTextBlockFormat& format, const QTextCharFormat& characters);
    void flushText();

    QTextDocument& document_;
    QTextCursor cursor_;
    // Asking the cursor for its block costs a search of the document; in a document of a
    // million short paragraphs that dominated reading. The builder remembers instead.
    QTextBlockFormat blockFormat_;  // what the cursor's paragraph has
    QTextBlockFormat keyedBlockFormat_;  // the same with its value key (format_keys.h)
    bool blockEmpty_ = true;
    bool breakPending_ = false;
    qint64 allowance_ = std::numeric_limits<qint64>::max();
    qint64 estimatedBytes_ = 0;
    // Text not yet in the document, in one character format; it may span paragraphs.
    QString text_;
    QTextCharFormat textFormat_;
    int imageCount_ = 0;
};

} // namespace rtf
