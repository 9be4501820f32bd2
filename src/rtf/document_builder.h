#pragma once
// Appends text, images and paragraph breaks to a QTextDocument in reading order.
// A paragraph break is only made when something follows it, so that a file whose last
// paragraph ends with \par does not gain an empty paragraph.

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <QTextTableCellFormat>
#include <QTextTableFormat>

#include <cstdint>
#include <limits>
#include <vector>

class QImage;
class QTextBlockFormat;
class QTextCharFormat;
class QTextDocument;
class QTextImageFormat;
class QTextTable;

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

    // Tables. Content goes where the cursor is: in the body at depth 0, else in the current
    // cell of the innermost of `depth` nested tables. Entering a depth opens the tables
    // missing, closes the deeper ones, and moves past an ended cell or row.
    void enterTableDepth(int depth);
    int tableDepth() const { return int(tables_.size()); }
    // Whether content at `depth` would go elsewhere than the cursor.
    bool movesFor(int depth) const;
    // Ends the current cell's last paragraph; what follows at this depth goes in the next cell.
    void endCell(const QTextBlockFormat& format, const QTextCharFormat& characters);
    // Ends the row of the table at `level` (closing deeper ones) and gives its cells their
    // formats; the table takes the format of its row with the most cells.
    void endRow(int level, const QList<QTextTableCellFormat>& cells, const QTextTableFormat& table);

    // Qt's text document ends the program when an allocation fails. The builder estimates
    // what the document takes as it grows (measured: about 150 bytes a paragraph), so
    // that reading can stop before it would need more than `bytes`.
    void setAllowance(qint64 bytes) { allowance_ = bytes; }
    bool overAllowance() const { return estimatedBytes_ > allowance_; }

private:
    void openPendingParagraph(const QTextCharFormat& characters);

    void applyBlockFormat(const QTextBlockFormat& format, const QTextCharFormat& characters);
    void flushText();

    enum class CellState : std::uint8_t { Open, Ended, RowEnded };
    struct OpenTable {
        QTextTable* table = nullptr;
        int row = 0;
        int column = 0;
        int rowsUsed = 1;
        int columnsUsed = 1;   // by the rows ended
        int rowFilled = 0;     // the current row's cells up to the last with content
        int widestRow = 0;  // the cells of the row whose format the table takes
        QTextTableFormat format;
        CellState state = CellState::Open;
        // Cells that start or continue a merge: (row, column, down, merge).
        struct MergeMark {
            int row;
            int column;
            bool down;
            int merge;
        };
        std::vector<MergeMark> merges;
    };
    void openTable();
    void closeTable();
    static void mergeCells(OpenTable& table);
    // Past an ended cell or row of the innermost table.
    void advance(OpenTable& table);
    // The cursor is at the start of a cell's (or the block after a table's) empty paragraph.
    void enteredEmptyBlock();

    QTextDocument& document_;
    QTextCursor cursor_;
    // Asking the cursor for its block costs a search of the document; in a document of a
    // million short paragraphs that dominated reading. The builder remembers instead.
    QTextBlockFormat blockFormat_;  // what the cursor's paragraph has
    QTextBlockFormat keyedBlockFormat_;  // the same with its value key (format_keys.h)
    bool blockEmpty_ = true;
    bool blockFormatKnown_ = true;  // false: the cursor's paragraph has a format of Qt's choice
    bool breakPending_ = false;
    qint64 allowance_ = std::numeric_limits<qint64>::max();
    qint64 estimatedBytes_ = 0;
    // Text not yet in the document, in one character format; it may span paragraphs.
    QString text_;
    QTextCharFormat textFormat_;
    int imageCount_ = 0;
    std::vector<OpenTable> tables_;
};

} // namespace rtf
