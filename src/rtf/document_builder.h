#pragma once
// Appends text, images and paragraph breaks to a QTextDocument in reading order.
// A paragraph break is only made when something follows it, so that a file whose last
// paragraph ends with \par does not gain an empty paragraph.

#include <QTextCursor>

class QImage;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;

namespace rtf {

class DocumentBuilder {
public:
    explicit DocumentBuilder(QTextDocument& document);

    void insertText(const QString& text, const QTextCharFormat& format);
    void insertImage(const QImage& image, double width, double height);
    // Ends the current paragraph with `format`; `characters` is kept as the paragraph's own
    // character format when it holds no text (an empty line keeps its font size).
    void endParagraph(const QTextBlockFormat& format, const QTextCharFormat& characters);
    // Gives the last paragraph its format, unless it is the empty one after a final break.
    void finish(const QTextBlockFormat& format, const QTextCharFormat& characters);
    // The last paragraph has ended and nothing follows it yet.
    bool breakPending() const { return breakPending_; }

private:
    void openPendingParagraph(const QTextCharFormat& characters);

    QTextDocument& document_;
    QTextCursor cursor_;
    bool breakPending_ = false;
    int imageCount_ = 0;
};

} // namespace rtf
