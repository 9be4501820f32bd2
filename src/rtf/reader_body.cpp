#include "rtf/reader_body.h"

#include "nq/glyph_code.h"
#include "rtf/complex_script.h"
#include "rtf/format_mapping.h"
#include "rtf/list_bullets.h"
#include "rtf/list_numbering.h"
#include "rtf/reader_colors.h"
#include "rtf/reader_fields.h"
#include "rtf/reader_fonts.h"
#include "rtf/reader_tables.h"
#include "rtf/unshown_parts.h"

#include <QTextImageFormat>

#include <algorithm>
#include <utility>
#include <optional>

namespace rtf {
namespace {

void replaceUnpairedSurrogates(QString& text)
{
    QChar* data = text.data();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i].isHighSurrogate() && i + 1 < size && data[i + 1].isLowSurrogate())
            ++i;
        else if (data[i].isSurrogate())
            data[i] = QChar::ReplacementCharacter;
    }
}

// Control bytes in the text carry nothing but the tab.
bool isDroppedControl(char16_t ch) { return ch < 0x20 && ch != '\t'; }

// How deep in tables a paragraph stands: \intbl alone is a table's cell (also with \itap0,
// as LibreOffice reads it), \itapN a cell N tables deep.
int depthOf(const ParaProps& para)
{
    if (!para.inTable && para.nesting <= 0)
        return 0;
    return std::max(1, para.nesting);
}

} // namespace

void BodyText::text(std::string_view bytes)
{
    // Hidden text is decoded like any, and kept apart (unshown_parts.h).
    if (!state_.chars.hidden)
        beforeContent();
    pendingBytes_.append(bytes.data(), qsizetype(bytes.size()));
}

namespace {
// The typographic characters that control words stand for, and the cp1252 byte each is
// in a run of NQ text, where it must become that byte's glyph code like \'hh does.
int nqByteOfSymbol(char16_t ch)
{
    switch (ch) {
    case 0x2014: return 0x97;
    case 0x2013: return 0x96;
    case 0x2022: return 0x95;
    case 0x2018: return 0x91;
    case 0x2019: return 0x92;
    case 0x201C: return 0x93;
    case 0x201D: return 0x94;
    default: return -1;
    }
}
} // namespace

void BodyText::character(char16_t ch)
{
    if (!state_.chars.hidden)
        beforeContent();
    if (const int byte = nqByteOfSymbol(ch); byte >= 0 && isNqRun())
        ch = nq::toChar(static_cast<unsigned char>(byte)).unicode();
    appendText(QString(QChar(ch)));
}

bool BodyText::isNqRun() const
{
    const FontEntry* font = fonts_.fontOf(state_.chars);
    return font && font->nq;
}

void BodyText::flushBytes()
{
    if (pendingBytes_.isEmpty())
        return;
    const FontEntry* font = fonts_.fontOf(state_.chars);
    QString text;
    if (font && font->nq) {
        text.reserve(pendingBytes_.size());
        for (char c : std::as_const(pendingBytes_)) {
            const auto byte = static_cast<unsigned char>(c);
            if (!isDroppedControl(byte))
                text.append(nq::toChar(byte));
        }
    } else if (font && font->symbol != SymbolFont::None) {
        text.reserve(pendingBytes_.size());
        for (char c : std::as_const(pendingBytes_)) {
            const auto byte = static_cast<unsigned char>(c);
            if (!isDroppedControl(byte))
                text.append(QChar(fromSymbolByte(font->symbol, byte)));
        }
    } else {
        const bool ascii = std::all_of(pendingBytes_.cbegin(), pendingBytes_.cend(),
                                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        text = ascii ? QString::fromLatin1(pendingBytes_) : fonts_.decode(font, pendingBytes_);
        text.removeIf([](QChar ch) { return isDroppedControl(ch.unicode()); });
    }
    pendingBytes_.clear();
    appendText(text);
}

void BodyText::appendText(const QString& text)
{
    if (text.isEmpty())
        return;
    if (state_.literalLabel) {
        // Held until the paragraph's content: a blank one gives way to the list's own label.
        // Each run keeps its face: a label mixing faces must not take the last one's.
        if (!literalLabel_.isEmpty() && literalLabel_.last().chars == state_.chars)
            literalLabel_.last().text += text;
        else
            literalLabel_.append({text, state_.chars});
        return;
    }
    if (state_.chars.hidden) {
        if (hiddenKept_ + text.size() <= kMaxHiddenCharacters) {
            unshown_.hidden += text;
            hiddenKept_ += text.size();
        }
        return;
    }
    if (!unshown_.isEmpty()) {
        // What is not shown goes with the run that follows it.
        emitRun();
        runUnshown_ = std::exchange(unshown_, Unshown());
    }
    if (!(runProps_ == state_.chars)) {
        emitRun();
        runProps_ = state_.chars;
    }
    runText_.append(text);
}

void BodyText::beforeContent()
{
    if (state_.literalLabel)
        return;
    placeInTable(depthOf(state_.para));
    if (!paragraphLabelDone_)
        emitListLabel();
}

void BodyText::emitListLabel()
{
    paragraphLabelDone_ = true;
    const ParaProps& para = state_.para;
    if (literalLabel_.isEmpty() && para.listOverride <= 0 && para.legacyList < 0) {
        lists_.paragraphOutsideLists();
        return;
    }
    // The counters advance whichever label shows.
    std::optional<ListLabel> generated;
    if (para.listOverride > 0)
        generated = lists_.next(para.listOverride, para.listLevel);
    if (!generated && para.legacyList >= 0)
        generated = lists_.nextLegacy(para.legacyList);
    if (!generated && para.listOverride <= 0 && para.legacyList < 0)
        lists_.paragraphOutsideLists();

    QString literal;
    for (const LabelPiece& piece : std::as_const(literalLabel_))
        literal += piece.text;
    QList<LabelPiece> label;
    if (!literal.trimmed().isEmpty()) {
        label = literalLabel_;
    } else if (generated) {
        CharProps chars = state_.chars;
        if (generated->font >= 0)
            chars.font = generated->font;
        label.append({labelText(generated->text, fonts_.fontOf(chars)), chars});
    }
    literalLabel_.clear();
    insertLabel(label);
}

void BodyText::insertLabel(const QList<LabelPiece>& pieces)
{
    bool started = false;
    for (LabelPiece piece : pieces) {
        if (piece.text.isEmpty())
            continue;
        if (!started) {
            flushBytes();
            emitRun();
            started = true;
        }
        QTextCharFormat format = charFormat(piece.chars);
        if (showBulletsAsUnicode(piece.text, fonts_.fontOf(piece.chars), fonts_.scriptFontOf(piece.chars)))
            format.setFontFamilies({unfontedFace()});
        replaceUnpairedSurrogates(piece.text);
        builder_.insertText(piece.text, format);
    }
}

QString BodyText::labelText(const QString& held, const FontEntry* font)
{
    QString text;
    QByteArray bytes;
    const auto flush = [&] {
        if (!bytes.isEmpty())
            text += fonts_.decode(font, bytes);
        bytes.clear();
    };
    for (const QChar ch : held) {
        const char16_t unit = ch.unicode();
        if (unit < 0xF000 || unit > 0xF0FF) {
            flush();
            text += ch;
            continue;
        }
        const auto byte = static_cast<unsigned char>(unit - 0xF000);
        if (font && font->nq) {
            flush();
            text += nq::toChar(byte);
        } else if (font && font->symbol != SymbolFont::None) {
            flush();
            text += QChar(fromSymbolByte(font->symbol, byte));
        } else {
            bytes.append(char(byte));
        }
    }
    flush();
    text.removeIf([](QChar ch) { return isDroppedControl(ch.unicode()); });
    return text;
}

bool BodyText::paragraphOpen() const
{
    return !builder_.breakPending() || !runText_.isEmpty() || !pendingBytes_.isEmpty();
}

void BodyText::emitRun()
{
    if (runText_.isEmpty())
        return;
    replaceUnpairedSurrogates(runText_);
    if (!anchorNames_.isEmpty() || !runUnshown_.isEmpty()) {
        QTextCharFormat format = charFormat(runProps_);
        if (!anchorNames_.isEmpty())
            format.setAnchorNames(format.anchorNames() + anchorNames_);
        attach(format, runUnshown_, kHiddenBefore, kGroupsBefore);
        anchorNames_.clear();
        builder_.insertText(runText_, format);
    } else if (!hasComplexScriptValues(runProps_)) {
        builder_.insertText(runText_, charFormat(runProps_));
    } else {
        const CharProps scriptProps = complexScriptProps(runProps_);
        for (const ScriptPiece& piece : splitByScript(runText_))
            builder_.insertText(runText_.mid(piece.start, piece.length),
                                charFormat(piece.complex ? scriptProps : runProps_));
    }
    runText_.clear();
}

void BodyText::placeInTable(int depth)
{
    if (!builder_.movesFor(depth))
        return;
    flushBytes();
    emitRun();
    builder_.enterTableDepth(depth);
}

QTextBlockFormat BodyText::blockFormat()
{
    if (!blockFormatCached_ || !(cachedPara_ == state_.para)) {
        cachedBlockFormat_ = toBlockFormat(state_.para);
        cachedPara_ = state_.para;
        blockFormatCached_ = true;
    }
    return cachedBlockFormat_;
}

void BodyText::endParagraph()
{
    if (state_.destination != Destination::Body)
        return;
    flushBytes();
    placeInTable(depthOf(state_.para));
    if (!paragraphLabelDone_ && !state_.literalLabel)
        emitListLabel();
    emitRun();
    paragraphLabelDone_ = false;
    literalLabel_.clear();
    QTextBlockFormat format = withUnshownEnd(blockFormat());
    if (pageBreakPending_) {
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        pageBreakPending_ = false;
    }
    builder_.endParagraph(format, charFormat(state_.chars));
}

void BodyText::endCell()
{
    if (state_.destination != Destination::Body)
        return;
    flushBytes();
    placeInTable(std::max(1, depthOf(state_.para)));
    // An empty cell in a list still shows its label.
    const ParaProps& para = state_.para;
    if (!paragraphLabelDone_ && (para.listOverride > 0 || para.legacyList >= 0 || !literalLabel_.isEmpty()))
        emitListLabel();
    emitRun();
    paragraphLabelDone_ = false;
    literalLabel_.clear();
    builder_.endCell(withUnshownEnd(blockFormat()), charFormat(state_.chars));
}

void BodyText::endRow(bool nested, const TableRows& rows)
{
    if (state_.destination != Destination::Body)
        return;
    const int level = nested ? builder_.tableDepth() : 1;
    if (builder_.tableDepth() == 0) {
        // A row's end outside any table ends its paragraph; a nested one's, nothing.
        if (!nested)
            endParagraph();
        return;
    }
    flushBytes();
    emitRun();
    paragraphLabelDone_ = false;
    literalLabel_.clear();
    const RowDefinition& row = rows.definition(level);
    QList<QTextTableCellFormat> cells;
    cells.reserve(row.cells.size());
    const auto color = [this](int index) { return colors_.colorAt(index); };
    for (const CellDefinition& cell : row.cells)
        cells.append(cellFormat(cell, color));
    builder_.endRow(level, cells, tableFormat(row));
}

void BodyText::pageBreak()
{
    endParagraph();
    if (state_.destination == Destination::Body)
        pageBreakPending_ = true;
}

void BodyText::insertImage(const QTextImageFormat& format)
{
    beforeContent();
    emitRun();
    if (unshown_.isEmpty()) {
        builder_.insertImage(format);
        return;
    }
    QTextImageFormat withUnshown = format;
    attach(withUnshown, unshown_, kHiddenBefore, kGroupsBefore);
    builder_.insertImage(withUnshown);
}

void BodyText::keepGroup(QByteArrayView group)
{
    unshown_.groups += group;
}

void BodyText::attach(QTextFormat& format, Unshown& unshown, int hiddenProperty, int groupsProperty)
{
    if (unshown.isEmpty())
        return;
    if (!unshown.hidden.isEmpty())
        format.setProperty(hiddenProperty, unshown.hidden);
    if (!unshown.groups.isEmpty())
        format.setProperty(groupsProperty, unshown.groups);
    format.setProperty(kUnshownPiece, ++unshownPieces_);
    unshown = Unshown();
}

QTextBlockFormat BodyText::withUnshownEnd(QTextBlockFormat format)
{
    attach(format, unshown_, kHiddenAtEnd, kGroupsAtEnd);
    return format;
}

void BodyText::finish()
{
    flushBytes();
    emitRun();
    // Hidden text or a comment after the last paragraph's end gets a paragraph of its own:
    // the one after a final break is otherwise not made.
    if (!unshown_.isEmpty() && builder_.breakPending() && builder_.tableDepth() == 0)
        builder_.endParagraph(withUnshownEnd(toBlockFormat(state_.para)), charFormat(state_.chars));
    QTextBlockFormat last = withUnshownEnd(toBlockFormat(state_.para));
    if (pageBreakPending_)
        last.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    builder_.finish(last, charFormat(state_.chars));
}

QTextCharFormat BodyText::charFormat(const CharProps& chars)
{
    if (formatCached_ && cachedProps_ == chars && cachedFontChanges_ == fonts_.changes()
        && cachedColorChanges_ == colors_.changes())
        return cachedFormat_;
    const FontEntry* font = fonts_.fontOf(chars);
    // Background index 0 means "no background" even when the table's first entry is a real
    // colour (AbiWord and mail clients write black first): reading it as a colour paints every
    // run black on black.
    const QColor background = chars.background > 0 ? colors_.colorAt(chars.background) : QColor();
    cachedFormat_ = toCharFormat(chars, font ? font->name : unfontedFace(), colors_.colorAt(chars.foreground),
                                 background, fields_.link(chars.link));
    cachedProps_ = chars;
    cachedFontChanges_ = fonts_.changes();
    cachedColorChanges_ = colors_.changes();
    formatCached_ = true;
    return cachedFormat_;
}

} // namespace rtf
