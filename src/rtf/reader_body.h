#pragma once
// The body text: bytes decoded in their run's font, runs of one format, paragraphs, table
// cells and list labels, written to the document through the DocumentBuilder.

#include "rtf/document_builder.h"
#include "rtf/reader_room.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

namespace rtf {

class ColorTable;
class Fields;
class FontTable;
class ListNumbering;
struct FontEntry;

class BodyText final : public Room {
public:
    BodyText(GroupState& state, DocumentBuilder& builder, FontTable& fonts, const ColorTable& colors,
             const Fields& fields, ListNumbering& lists)
        : state_(state), builder_(builder), fonts_(fonts), colors_(colors), fields_(fields), lists_(lists)
    {
    }

    void text(std::string_view bytes) override;
    void character(char16_t ch) override;

    // Decodes the bytes held so far; every change of group or font comes after it.
    void flushBytes();
    // Text in the group's character format, or the paragraph's literal label inside one.
    void appendText(const QString& text);
    // Gives the held run to the document: a table that follows must not restyle it.
    void emitRun();
    void endParagraph();
    bool paragraphOpen() const;
    void endCell();
    void endRow();
    void pageBreak();
    void insertImage(const QTextImageFormat& format);
    // The last paragraph takes the properties in force at the document's end.
    void finish();
    // A bookmark: the next run of text takes the name.
    void addAnchorName(const QString& name) { anchorNames_.append(name); }
    // Whether the group's text is set in the NQ face.
    bool isNqRun() const;

private:
    // Before the first content of a cell or paragraph: the pending cell separators, then
    // the paragraph's list label.
    void beforeContent();
    void emitListLabel();
    QString labelText(const QString& held, const FontEntry* font);
    QTextCharFormat charFormat(const CharProps& chars);

    GroupState& state_;
    DocumentBuilder& builder_;
    FontTable& fonts_;
    const ColorTable& colors_;
    const Fields& fields_;
    ListNumbering& lists_;

    QByteArray pendingBytes_;
    QStringList anchorNames_;
    QString runText_;
    CharProps runProps_;
    int cellSeparatorsPending_ = 0;  // one per \cell: empty cells keep their place
    bool pageBreakPending_ = false;

    struct LabelPiece {
        QString text;
        CharProps chars;
    };
    void insertLabel(const QList<LabelPiece>& pieces);

    bool paragraphLabelDone_ = false;
    QList<LabelPiece> literalLabel_;   // the paragraph's \listtext or \pntext, run by run

    // Built once per change of properties: a new format for each of a million paragraphs
    // would be allocated, compared and freed again.
    bool blockFormatCached_ = false;
    ParaProps cachedPara_;
    QTextBlockFormat cachedBlockFormat_;
    bool formatCached_ = false;
    int cachedFontChanges_ = 0;
    int cachedColorChanges_ = 0;
    CharProps cachedProps_;
    QTextCharFormat cachedFormat_;
};

} // namespace rtf
