#include "rtf/document_builder.h"

#include "rtf/format_keys.h"
#include "rtf/table_format.h"

#include <QImage>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>

namespace rtf {
namespace {

// What the document takes in memory, measured on Qt 6.4: a paragraph of its own, each
// character (UTF-16, in a buffer that grows by doubling), each run of one format.
constexpr qint64 kParagraphBytes = 160;
constexpr qint64 kCharacterBytes = 4;
constexpr qint64 kRunBytes = 64;
constexpr qint64 kCellBytes = 2 * kParagraphBytes;   // its paragraph and its place in the table
constexpr int kRowBatch = 64;

} // namespace

DocumentBuilder::DocumentBuilder(QTextDocument& document) : document_(document), cursor_(&document)
{
    // The document is empty, so the new cursor is at its end. Moving it would make Qt lay
    // the document out, and then again after every insertion.
    Q_ASSERT(document.isEmpty());
}

void DocumentBuilder::openPendingParagraph(const QTextCharFormat& characters)
{
    if (!breakPending_)
        return;
    flushText();
    // Paragraphs mostly share their format: the new one starts with the last one's, and
    // is given its own only if it differs.
    cursor_.insertBlock(keyedBlockFormat_, keyedByValue(characters));
    estimatedBytes_ += kParagraphBytes;
    blockEmpty_ = true;
    breakPending_ = false;
}

void DocumentBuilder::applyBlockFormat(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    if (format == blockFormat_ && !blockEmpty_ && blockFormatKnown_)
        return;
    flushText();
    if (!(format == blockFormat_) || !blockFormatKnown_) {
        blockFormatKnown_ = true;
        blockFormat_ = format;
        keyedBlockFormat_ = keyedByValue(format);
        cursor_.setBlockFormat(keyedBlockFormat_);
    }
    if (blockEmpty_)
        cursor_.setBlockCharFormat(keyedByValue(characters));
}

void DocumentBuilder::flushText()
{
    if (text_.isEmpty())
        return;
    cursor_.insertText(text_, keyedByValue(textFormat_));
    estimatedBytes_ += kRunBytes;
    text_.clear();
}

void DocumentBuilder::insertText(const QString& text, const QTextCharFormat& format)
{
    if (text.isEmpty())
        return;
    if (!text_.isEmpty() && !(format == textFormat_))
        flushText();
    if (breakPending_) {
        // Inserted with the text, a paragraph separator makes the same paragraph that
        // insertBlock(blockFormat_, format) would: the format of the one before, `format`
        // for its characters. Qt inserts a run of such paragraphs far faster in one call.
        text_.append(QChar::ParagraphSeparator);
        estimatedBytes_ += kParagraphBytes;
        breakPending_ = false;
    }
    text_.append(text);
    estimatedBytes_ += text.size() * kCharacterBytes;
    if (!tables_.empty())
        tables_.back().rowFilled = std::max(tables_.back().rowFilled, tables_.back().column + 1);
    textFormat_ = format;
    blockEmpty_ = false;
}

QString DocumentBuilder::addImage(const QImage& image)
{
    const QString name = QStringLiteral("rtfimage:%1").arg(++imageCount_);
    document_.addResource(QTextDocument::ImageResource, QUrl(name), image);
    return name;
}

void DocumentBuilder::insertImage(const QTextImageFormat& format)
{
    openPendingParagraph(QTextCharFormat());
    flushText();
    cursor_.insertImage(keyedByValue(format));
    blockEmpty_ = false;
    if (!tables_.empty())
        tables_.back().rowFilled = std::max(tables_.back().rowFilled, tables_.back().column + 1);
}

void DocumentBuilder::endParagraph(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    openPendingParagraph(characters);
    applyBlockFormat(format, characters);
    breakPending_ = true;
}

void DocumentBuilder::finish(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    // A table whose cell or row has ended is done: the last paragraph is the one after it.
    if (!tables_.empty() && tables_.back().state != CellState::Open) {
        while (!tables_.empty())
            closeTable();
    }
    if (!breakPending_)
        applyBlockFormat(format, characters);
    flushText();
    while (!tables_.empty())
        closeTable();
}

void DocumentBuilder::enteredEmptyBlock()
{
    blockEmpty_ = true;
    blockFormatKnown_ = false;
    breakPending_ = false;
}

bool DocumentBuilder::movesFor(int depth) const
{
    depth = std::min(depth, kMaxTableDepth);
    if (depth != int(tables_.size()))
        return true;
    return depth > 0 && tables_.back().state != CellState::Open;
}

void DocumentBuilder::enterTableDepth(int depth)
{
    depth = std::clamp(depth, 0, kMaxTableDepth);
    if (!movesFor(depth))
        return;
    flushText();
    while (int(tables_.size()) > depth)
        closeTable();
    if (!tables_.empty() && tables_.back().state == CellState::RowEnded && tables_.back().row + 1 >= kMaxTableRows)
        closeTable();
    if (!tables_.empty())
        advance(tables_.back());
    while (int(tables_.size()) < depth)
        openTable();
}

void DocumentBuilder::openTable()
{
    flushText();
    // The table follows the paragraph before it: a break pending there makes no paragraph.
    QTextTableFormat format;
    format.setBorder(0);
    OpenTable table;
    table.table = cursor_.insertTable(1, 1, format);
    estimatedBytes_ += 2 * kCellBytes;
    tables_.push_back(table);
    enteredEmptyBlock();
}

void DocumentBuilder::advance(OpenTable& open)
{
    QTextTable* table = open.table;
    if (open.state == CellState::Open)
        return;
    if (open.state == CellState::RowEnded) {
        open.row += 1;
        open.column = 0;
        // Rows are added in batches and the spare ones removed when the table closes: Qt
        // indexes a table's cells anew after each change, in time linear in them, and
        // removes rows in time growing with the square of their cells.
        if (open.row >= table->rows()) {
            const int added = std::min(table->rows(), kRowBatch);
            table->appendRows(added);
            estimatedBytes_ += qint64(added) * table->columns() * kCellBytes;
        }
        open.rowsUsed = open.row + 1;
    } else if (open.column + 1 >= kMaxTableColumns) {
        // Cells beyond the last column Norvelin keeps go on as paragraphs of the last one.
        open.state = CellState::Open;
        breakPending_ = true;
        return;
    } else {
        open.column += 1;
        // One at a time: spare columns would cost their removal, in time growing with the
        // square of their cells; a table grows by at most 62 columns.
        if (open.column >= table->columns()) {
            table->appendColumns(1);
            estimatedBytes_ += qint64(table->rows()) * kCellBytes;
        }
    }
    open.state = CellState::Open;
    cursor_ = table->cellAt(open.row, open.column).firstCursorPosition();
    enteredEmptyBlock();
}

void DocumentBuilder::closeTable()
{
    flushText();
    OpenTable open = tables_.back();
    tables_.pop_back();
    QTextTable* table = open.table;
    if (open.state != CellState::RowEnded)
        open.columnsUsed = std::max(open.columnsUsed, open.column + 1);
    if (open.rowsUsed < table->rows())
        table->removeRows(open.rowsUsed, table->rows() - open.rowsUsed);
    if (open.columnsUsed < table->columns())
        table->removeColumns(open.columnsUsed, table->columns() - open.columnsUsed);
    mergeCells(open);
    QTextTableFormat format = open.format;
    QList<QTextLength> widths = format.columnWidthConstraints();
    if (widths.size() > open.columnsUsed)
        widths.resize(open.columnsUsed);
    format.setColumnWidthConstraints(widths);
    table->setFormat(format);
    // The paragraph Qt keeps after every table takes what follows.
    cursor_.setPosition(table->lastPosition() + 1);
    enteredEmptyBlock();
}

void DocumentBuilder::mergeCells(OpenTable& open)
{
    // A run is a first cell and the continuing ones right after it (across) or below it (down).
    std::vector<OpenTable::MergeMark> down;
    std::vector<OpenTable::MergeMark> across;
    for (const auto& mark : open.merges)
        (mark.down ? down : across).push_back(mark);
    std::stable_sort(down.begin(), down.end(), [](const auto& a, const auto& b) { return a.column < b.column; });
    const int rows = open.table->rows();
    const int columns = open.table->columns();
    int merges = 0;
    const auto mergeRuns = [&](const std::vector<OpenTable::MergeMark>& marks, bool vertical) {
        for (size_t i = 0; i < marks.size() && merges < kMaxTableMerges; ++i) {
            if (marks[i].merge != int(Merge::First))
                continue;
            int length = 1;
            while (i + 1 < marks.size() && marks[i + 1].merge == int(Merge::Continued)
                   && (vertical ? marks[i + 1].column == marks[i].column && marks[i + 1].row == marks[i].row + length
                                : marks[i + 1].row == marks[i].row && marks[i + 1].column == marks[i].column + length)) {
                ++i;
                ++length;
            }
            const auto& first = marks[i + 1 - size_t(length)];
            if (length < 2 || first.row >= rows || first.column >= columns)
                continue;
            const int rowSpan = vertical ? std::min(length, rows - first.row) : 1;
            const int columnSpan = vertical ? 1 : std::min(length, columns - first.column);
            open.table->mergeCells(first.row, first.column, rowSpan, columnSpan);
            ++merges;
        }
    };
    mergeRuns(across, false);
    mergeRuns(down, true);
}

void DocumentBuilder::endCell(const QTextBlockFormat& format, const QTextCharFormat& characters)
{
    if (tables_.empty())
        return;
    openPendingParagraph(characters);
    applyBlockFormat(format, characters);
    flushText();
    tables_.back().state = CellState::Ended;
}

void DocumentBuilder::endRow(int level, const QList<QTextTableCellFormat>& cells, const QTextTableFormat& format)
{
    if (level < 1 || level > int(tables_.size()))
        return;
    flushText();
    while (int(tables_.size()) > level)
        closeTable();
    OpenTable& open = tables_.back();
    if (open.state == CellState::RowEnded)
        return;
    // Empty cells past those the row defines are none of its own (LibreOffice ends a row
    // holding a nested table with one \cell too many).
    int width = open.column + 1;
    if (!cells.isEmpty() && width > cells.size())
        width = std::max(int(cells.size()), open.rowFilled);
    open.columnsUsed = std::max(open.columnsUsed, width);
    open.rowFilled = 0;
    const int count = std::min(int(cells.size()), open.table->columns());
    for (int column = 0; column < count; ++column) {
        QTextTableCellFormat cell = cells[column];
        for (const auto [property, down] : {std::pair{kCellMergeAcross, false}, std::pair{kCellMergeDown, true}}) {
            if (cell.hasProperty(property))
                open.merges.push_back({open.row, column, down, cell.intProperty(property)});
            cell.clearProperty(property);
        }
        open.table->cellAt(open.row, column).setFormat(keyedByValue(cell));
    }
    if (open.widestRow < cells.size() || open.row == 0) {
        open.widestRow = int(cells.size());
        open.format = format;
    }
    open.state = CellState::RowEnded;
}

} // namespace rtf
