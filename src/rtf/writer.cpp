#include "rtf/writer.h"

#include "nq/face.h"
#include "nq/glyph_code.h"
#include "nqtext/nq_runs.h"
#include "rtf/charsets.h"
#include "rtf/kept_groups.h"
#include "rtf/page_setup.h"
#include "rtf/picture_properties.h"
#include "rtf/rtf.h"
#include "rtf/symbol_fonts.h"
#include "rtf/table_format.h"
#include "rtf/tab_stops.h"
#include "rtf/unshown_parts.h"
#include "rtf/units.h"

#include <QBuffer>
#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace rtf {
namespace {

int twips(double pixels) { return int(std::lround(pixels * kTwipsPerPixel)); }

double effectivePointSize(const QTextCharFormat& format, const QFont& fallback)
{
    if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
        return format.fontPointSize();
    if (fallback.pointSizeF() > 0)
        return fallback.pointSizeF();
    if (fallback.pixelSize() > 0)
        return fallback.pixelSize() * 72.0 / 96.0;
    return 12.0;
}

// The cp1252 byte of a character outside an NQ run, if it has one.
std::optional<unsigned char> cp1252Byte(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u >= 0xF000 && u <= 0xF1FF)
        return std::nullopt;
    if (u == 0x81 || u == 0x8D || u == 0x8F || u == 0x90 || u == 0x9D)
        return std::nullopt;  // undefined in cp1252: other readers would not get them back
    return nq::toCode(ch);
}

class Writer {
public:
    explicit Writer(const QTextDocument& document) : document_(document), defaultFont_(document.defaultFont()) {}
    QByteArray write();
    const WriteNotes& notes() const { return notes_; }

private:
    int fontIndex(const QString& family);
    int colorIndex(const QColor& color);
    void collectTables();  // the tables grow while the body is written; the header comes last
    void writeHeader(QByteArray& out) const;
    // A frame's paragraphs and tables, from `it` to its end; `depth` 0 is the body, N a cell
    // of N nested tables, whose last paragraph ends with `cellEnd`.
    void writeFrame(QTextFrame::iterator it, int depth, const char* cellEnd = "\\par");
    void writeTable(const QTextTable& table, int depth);
    void writeRowDefinition(const QTextTable& table, int row);
    void writeBlock(const QTextBlock& block, int depth, const char* end);
    void writeParagraphProperties(const QTextBlock& block, int depth);
    void writeCharacterProperties(const QTextCharFormat& format, bool withPosition = true);
    // Readers decode \'hh in a face named like "Arial CE" by that name's code page, so text
    // in such faces goes as \uN beyond ASCII.
    enum class TextEncoding { Nq, Cp1252, Unicode };
    void writeText(const QString& text, TextEncoding encoding);
    // Text in a symbol face goes as the face's bytes, so that every peer shows the same
    // glyphs; what the face cannot show goes as \uN.
    void writeSymbolText(const QString& text, SymbolFont font);
    void writeHexByte(unsigned char byte);
    void writeImage(const QTextImageFormat& format);
    // Text in the face of `format`, as its run would be written.
    void writeRunText(const QString& text, const QTextCharFormat& format);
    // Hidden text in the face of `format`, then the kept groups renumbered for this file.
    void writeUnshown(const QString& hidden, const QByteArray& groups, const QTextCharFormat& format);
    // Whether the piece of hidden text `format` carries is not written yet.
    bool firstOfPiece(const QTextFormat& format);
    void writeHex(const QByteArray& data);
    void writeEscapedAscii(char c);
    void writeUnicode(char16_t unit);
    void openLink(const QString& target);
    void closeLink();
    void writeBookmarks(const QStringList& names);
    void renumberKeptGroups();
    // The saved file's number of a face or colour the read file numbered `number`.
    int keptFont(int number);
    int keptColor(int number);

    const QTextDocument& document_;
    const QFont defaultFont_;
    QStringList fonts_;
    QHash<QString, int> fontIndices_;
    QList<QColor> colors_;
    QHash<QRgb, int> colorIndices_;
    QByteArray body_;
    QByteArray keptStyleSheet_;   // the file's, renumbered for this file's tables
    QByteArray keptPageParts_;
    bool linkOpen_ = false;
    QString openTarget_;
    QSet<QString> bookmarksWritten_;
    QSet<int> hiddenWritten_;
    const std::optional<KeptGroups> kept_ = keptGroupsOf(document_);
    WriteNotes notes_;
};

int Writer::fontIndex(const QString& family)
{
    const auto found = fontIndices_.constFind(family);
    if (found != fontIndices_.cend())
        return *found;
    fonts_.append(family);
    fontIndices_.insert(family, int(fonts_.size()) - 1);
    return int(fonts_.size()) - 1;
}

int Writer::colorIndex(const QColor& color)
{
    const QRgb rgb = color.rgb();
    const auto found = colorIndices_.constFind(rgb);
    if (found != colorIndices_.cend())
        return *found;
    colors_.append(color);
    // Index 0 is the automatic colour.
    colorIndices_.insert(rgb, int(colors_.size()));
    return int(colors_.size());
}

void Writer::writeEscapedAscii(char c)
{
    if (c == '\\' || c == '{' || c == '}')
        body_.append('\\');
    body_.append(c);
}

void Writer::writeUnicode(char16_t unit)
{
    // \uN takes a signed 16-bit value; '?' is the fallback for readers without Unicode.
    body_.append("\\u");
    body_.append(QByteArray::number(int(static_cast<short>(unit))));
    body_.append("\\'3f");
}

void Writer::writeHexByte(unsigned char byte)
{
    static const char hex[] = "0123456789abcdef";
    body_.append("\\'");
    body_.append(hex[byte >> 4]);
    body_.append(hex[byte & 0xF]);
}

void Writer::writeSymbolText(const QString& text, SymbolFont font)
{
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        const std::optional<unsigned char> byte = toSymbolByte(font, ch);
        if (u == u'\t' || u == QChar::LineSeparator || u == QChar::ParagraphSeparator || !byte) {
            if (u < 0x80 && u >= 0x20) {
                // An ASCII letter the face has no byte for: as a byte it would read as a symbol.
                writeUnicode(u);
            } else {
                writeText(QString(ch), TextEncoding::Unicode);
            }
        } else if (font == SymbolFont::Symbol) {
            // The character for Unicode readers, the face's byte for the others.
            body_.append("\\u");
            body_.append(QByteArray::number(int(static_cast<short>(u))));
            writeHexByte(*byte);
        } else {
            writeHexByte(*byte);
        }
    }
}

void Writer::writeText(const QString& text, TextEncoding encoding)
{
    const bool nq = encoding == TextEncoding::Nq;
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u == u'\t') {
            body_.append("\\tab ");
            continue;
        }
        if (u == QChar::LineSeparator || u == QChar::ParagraphSeparator) {
            body_.append("\\line ");
            continue;
        }
        std::optional<unsigned char> byte = nq ? nq::toCode(ch) : cp1252Byte(ch);
        if (encoding == TextEncoding::Unicode && byte && *byte >= 0x80)
            byte.reset();
        if (byte && *byte >= 0x20 && *byte < 0x80) {
            writeEscapedAscii(char(*byte));
        } else if (byte && (nq || *byte >= 0x80)) {
            writeHexByte(*byte);
        } else {
            writeUnicode(u);
        }
    }
}

void Writer::openLink(const QString& target)
{
    if (linkOpen_ && openTarget_ == target)
        return;
    closeLink();
    const auto quoted = [](QString argument) {
        argument.replace(u'\\', QLatin1String("\\\\"));
        argument.replace(u'"', QLatin1String("%22"));  // a quote would end the field's argument
        return argument;
    };
    body_.append("{\\field{\\*\\fldinst HYPERLINK ");
    // A place in this document is written as Word writes it, \l "name".
    if (target.startsWith(u'#')) {
        body_.append("\\\\l \"");
        writeText(quoted(target.mid(1)), TextEncoding::Unicode);
    } else {
        body_.append("\"");
        writeText(quoted(target), TextEncoding::Unicode);
    }
    body_.append("\"}{\\fldrslt ");
    linkOpen_ = true;
    openTarget_ = target;
}

void Writer::writeBookmarks(const QStringList& names)
{
    for (const QString& name : names) {
        // Where editing split the text it named, the name stands once, at its start.
        if (name.isEmpty() || bookmarksWritten_.contains(name))
            continue;
        bookmarksWritten_.insert(name);
        closeLink();
        for (const char* word : {"{\\*\\bkmkstart ", "{\\*\\bkmkend "}) {
            body_.append(word);
            writeText(name, TextEncoding::Unicode);
            body_.append('}');
        }
    }
}

void Writer::closeLink()
{
    if (!linkOpen_)
        return;
    body_.append("}}");
    linkOpen_ = false;
}

void Writer::collectTables()
{
    // \deff0 names the document's default face; the other entries follow as runs use them.
    fontIndex(defaultFont_.family());
}

void Writer::writeHeader(QByteArray& out) const
{
    out.append("{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        const bool symbol = symbolFontOf(fonts_[i], false) != SymbolFont::None;
        out.append("{\\f" + QByteArray::number(i) + (symbol ? "\\fnil\\fcharset2 " : "\\fnil\\fcharset0 "));
        // Font names are ASCII in practice; anything else goes as cp1252 or '?'.
        for (const QChar ch : fonts_[i]) {
            const auto byte = cp1252Byte(ch);
            const char c = byte ? char(*byte) : '?';
            if (c == '\\' || c == '{' || c == '}' || c == ';')
                out.append('?');
            else
                out.append(c);
        }
        out.append(";}");
    }
    out.append("}\n{\\colortbl;");
    for (const QColor& color : colors_)
        out.append("\\red" + QByteArray::number(color.red()) + "\\green" + QByteArray::number(color.green())
                   + "\\blue" + QByteArray::number(color.blue()) + ";");
    out.append("}\n");
    out.append(keptStyleSheet_);
    out.append("{\\*\\generator " NORVELIN_PRODUCT_NAME ";}\\viewkind4\\uc1");
    if (const std::optional<QPageLayout> page = pageLayoutOf(document_))
        out.append(pageWords(*page));
    out.append('\n');
    out.append(keptPageParts_);
}

void Writer::writeParagraphProperties(const QTextBlock& block, int depth)
{
    const QTextBlockFormat format = block.blockFormat();
    body_.append("\\pard");
    if (depth > 0)
        body_.append("\\intbl");
    if (depth > 1)
        body_.append("\\itap" + QByteArray::number(depth));
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    if (alignment & Qt::AlignHCenter)
        body_.append("\\qc");
    else if (alignment & Qt::AlignRight)
        body_.append("\\qr");
    else if (alignment & Qt::AlignJustify)
        body_.append("\\qj");
    const auto length = [this](const char* word, double pixels) {
        if (const int value = twips(pixels)) {
            body_.append(word);
            body_.append(QByteArray::number(value));
        }
    };
    length("\\li", format.leftMargin());
    length("\\ri", format.rightMargin());
    length("\\fi", format.textIndent());
    length("\\sb", format.topMargin());
    length("\\sa", format.bottomMargin());
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        if (const int value = int(std::lround(format.lineHeight() * 240.0 / 100.0)); value > 0)
            body_.append("\\sl" + QByteArray::number(value) + "\\slmult1");
        break;
    case QTextBlockFormat::FixedHeight:
        if (const int value = twips(format.lineHeight()); value > 0)
            body_.append("\\sl-" + QByteArray::number(value) + "\\slmult0");
        break;
    case QTextBlockFormat::MinimumHeight:
        if (const int value = twips(format.lineHeight()); value > 0)
            body_.append("\\sl" + QByteArray::number(value) + "\\slmult0");
        break;
    default: break;
    }
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
        body_.append("\\pagebb");
    // A paragraph that takes its direction from its text (typed, pasted) is saved as it is
    // shown, so that it opens the same way: opened documents run left to right unless the
    // file says \rtlpar.
    if (block.textDirection() == Qt::RightToLeft)
        body_.append("\\rtlpar");
    for (const TabStop& stop : tabStopsOf(format)) {
        static constexpr const char* kLeaders[] = {"", "\\tldot", "\\tlhyph", "\\tlul", "\\tlth", "\\tleq", "\\tlmdot"};
        body_.append(kLeaders[int(stop.leader)]);
        if (stop.type == QTextOption::RightTab)
            body_.append("\\tqr");
        else if (stop.type == QTextOption::CenterTab)
            body_.append("\\tqc");
        else if (stop.type == QTextOption::DelimiterTab)
            body_.append("\\tqdec");
        body_.append("\\tx" + QByteArray::number(stop.twips));
    }
}

void Writer::writeCharacterProperties(const QTextCharFormat& format, bool withPosition)
{
    // The associated words (\af \afs \ab \ai) repeat the run's face, size, bold and italic
    // for complex-script text: other programs format Unicode Bengali by them alone, and read
    // them under \rtlch, as Word writes them.
    const QByteArray font = QByteArray::number(fontIndex(nqtext::effectiveFamily(format, defaultFont_)));
    const QByteArray size = QByteArray::number(int(std::lround(effectivePointSize(format, defaultFont_) * 2)));
    const bool bold = format.fontWeight() >= QFont::Bold;
    const bool italic = format.fontItalic();
    body_.append("\\plain\\rtlch\\af" + font + "\\afs" + size);
    if (bold)
        body_.append("\\ab");
    if (italic)
        body_.append("\\ai");
    body_.append("\\ltrch\\f" + font + "\\fs" + size);
    if (bold)
        body_.append("\\b");
    if (italic)
        body_.append("\\i");
    switch (format.underlineStyle()) {
    case QTextCharFormat::NoUnderline: break;
    case QTextCharFormat::DotLine: body_.append("\\uld"); break;
    case QTextCharFormat::DashUnderline: body_.append("\\uldash"); break;
    case QTextCharFormat::DashDotLine: body_.append("\\uldashd"); break;
    case QTextCharFormat::DashDotDotLine: body_.append("\\uldashdd"); break;
    case QTextCharFormat::WaveUnderline: body_.append("\\ulwave"); break;
    default: body_.append("\\ul"); break;
    }
    if (format.fontStrikeOut())
        body_.append("\\strike");
    if (format.fontCapitalization() == QFont::SmallCaps)
        body_.append("\\scaps");
    else if (format.fontCapitalization() == QFont::AllUppercase)
        body_.append("\\caps");
    if (format.foreground().style() != Qt::NoBrush)
        body_.append("\\cf" + QByteArray::number(colorIndex(format.foreground().color())));
    if (format.background().style() != Qt::NoBrush)
        body_.append("\\highlight" + QByteArray::number(colorIndex(format.background().color())));
    if (withPosition && format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        body_.append("\\super");
    else if (withPosition && format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        body_.append("\\sub");
    body_.append(' ');
}

// A picture's shown size in twips: never negative, never past what a reader accepts,
// whatever the format holds (NaN, infinities, sizes multiplied by a large scale).
int pictureTwips(double pixels)
{
    if (!(pixels > 0))
        return 0;
    return twips(std::min(pixels, kMaxPicturePixels));
}

void Writer::writeImage(const QTextImageFormat& format)
{
    // A picture the reader kept as it was goes back as it came.
    const QByteArray kept = format.property(kPictureData).toByteArray();
    const QByteArray header = format.property(kPictureHeader).toByteArray();
    const bool wordsOnly = std::all_of(header.cbegin(), header.cend(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '\\';
    });
    if (!kept.isEmpty() && (header.isEmpty() || header.startsWith('\\')) && wordsOnly) {
        body_.append("{\\pict" + header + "\\picwgoal"
                     + QByteArray::number(pictureTwips(format.width())) + "\\pichgoal"
                     + QByteArray::number(pictureTwips(format.height())) + "\n");
        writeHex(kept);
        body_.append('}');
        return;
    }
    const QVariant resource = document_.resource(QTextDocument::ImageResource, QUrl(format.name()));
    QImage image;
    if (resource.canConvert<QImage>() && resource.typeId() == QMetaType::QImage)
        image = resource.value<QImage>();
    else if (resource.typeId() == QMetaType::QPixmap)
        image = resource.value<QPixmap>().toImage();
    else if (resource.typeId() == QMetaType::QByteArray)
        image.loadFromData(resource.toByteArray());
    // A picture that cannot be written is left out and counted: the user is told, and the
    // rest of the document is still saved.
    if (image.isNull()) {
        ++notes_.picturesLeftOut;
        return;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        ++notes_.picturesLeftOut;
        return;
    }
    const double width = format.width() > 0 ? format.width() : image.width();
    const double height = format.height() > 0 ? format.height() : image.height();
    body_.append("{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich"
                 + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(pictureTwips(width))
                 + "\\pichgoal" + QByteArray::number(pictureTwips(height)) + "\n");
    writeHex(png);
    body_.append('}');
}

void Writer::writeHex(const QByteArray& data)
{
    const QByteArray hex = data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) {
        body_.append(hex.mid(i, 128));
        body_.append('\n');
    }
}

void Writer::writeBlock(const QTextBlock& block, int depth, const char* end)
{
    writeParagraphProperties(block, depth);
    bool wroteRun = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const QTextCharFormat format = fragment.charFormat();
        writeBookmarks(format.anchorNames());
        if (format.hasProperty(kUnshownPiece) && firstOfPiece(format)) {
            closeLink();
            writeUnshown(format.stringProperty(kHiddenBefore), format.property(kGroupsBefore).toByteArray(), format);
        }
        if (format.isAnchor() && !format.anchorHref().isEmpty())
            openLink(format.anchorHref());
        else
            closeLink();
        if (format.isImageFormat()) {
            const QTextImageFormat image = format.toImageFormat();
            for (qsizetype i = 0; i < fragment.length(); ++i)
                writeImage(image);
            continue;
        }
        // Each run in a group of its own: its properties end where the group ends, in every
        // reader (LibreOffice misplaces text after a \super ended by \plain or \par).
        body_.append('{');
        writeCharacterProperties(format);
        writeRunText(fragment.text(), format);
        body_.append('}');
        wroteRun = true;
    }
    closeLink();
    // An empty paragraph keeps its face and size; a raised or lowered mark there shows nothing.
    if (!wroteRun) {
        // A cell's first paragraph holds the cell's format: its shading is no highlight.
        QTextCharFormat characters = block.charFormat();
        if (characters.isTableCellFormat())
            characters.clearBackground();
        writeCharacterProperties(characters, false);
    }
    if (const QTextBlockFormat paragraph = block.blockFormat(); paragraph.hasProperty(kUnshownPiece) && firstOfPiece(paragraph)) {
        QTextCharFormat characters = block.charFormat();
        if (block.length() > 1) {
            QTextBlock::iterator last = block.end();
            --last;
            characters = last.fragment().charFormat();
        }
        writeUnshown(paragraph.stringProperty(kHiddenAtEnd), paragraph.property(kGroupsAtEnd).toByteArray(), characters);
    }
    body_.append(end);
    body_.append('\n');
}

void Writer::writeFrame(QTextFrame::iterator it, int depth, const char* cellEnd)
{
    // The paragraph Qt keeps before a table that opens its frame is not the file's.
    while (!it.atEnd()) {
        QTextFrame::iterator next = it;
        ++next;
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            writeTable(*table, depth + 1);
        } else if (QTextFrame* frame = it.currentFrame()) {
            writeFrame(frame->begin(), depth, "\\par");
        } else if (const QTextBlock block = it.currentBlock(); block.isValid()) {
            const bool first = block.position() == it.parentFrame()->firstPosition();
            const bool beforeTable = !next.atEnd() && qobject_cast<const QTextTable*>(next.currentFrame());
            if (!(first && beforeTable && block.length() <= 1))
                writeBlock(block, depth, next.atEnd() ? cellEnd : "\\par");
        }
        it = next;
    }
}

void Writer::writeRowDefinition(const QTextTable& table, int row)
{
    const QTextTableFormat format = table.format();
    const int gap = format.hasProperty(kRowGap) ? format.intProperty(kRowGap) : twips(format.cellPadding());
    const int left = format.intProperty(kRowLeft);
    body_.append("\\trowd\\trgaph" + QByteArray::number(gap) + "\\trleft" + QByteArray::number(left));
    // Edges a row does not give come from the table's columns, else share a 6-inch line.
    const QList<QTextLength> widths = format.columnWidthConstraints();
    const int columns = table.columns();
    const auto columnTwips = [&](int column) {
        const QTextLength width = widths.value(column);
        if (width.type() == QTextLength::FixedLength && width.rawValue() > 0)
            return std::max(1, twips(width.rawValue()));
        return std::max(1, 8640 / std::max(1, columns));
    };
    int edge = left;
    int columnEdge = left;
    for (int column = 0; column < columns; ++column) {
        columnEdge += columnTwips(column);
        const QTextTableCell cell = table.cellAt(row, column);
        const bool spansColumns = cell.columnSpan() > 1;
        CellDefinition definition = cellDefinitionOf(cell.format().toTableCellFormat(),
                                                     [this](const QColor& color) { return colorIndex(color); });
        // A cell spanning cells is written as Word merges them: the first and the continuing.
        if (spansColumns)
            body_.append(cell.column() == column ? "\\clmgf" : "\\clmrg");
        if (cell.rowSpan() > 1)
            body_.append(cell.row() == row ? "\\clvmgf" : "\\clvmrg");
        if (definition.alignment == CellAlignment::Center)
            body_.append("\\clvertalc");
        else if (definition.alignment == CellAlignment::Bottom)
            body_.append("\\clvertalb");
        if (definition.shading > 0)
            body_.append("\\clcbpat" + QByteArray::number(definition.shading));
        static constexpr const char* kSideWords[] = {"\\clbrdrt", "\\clbrdrl", "\\clbrdrb", "\\clbrdrr"};
        static constexpr const char* kStyleWords[] = {"\\brdrnone", "\\brdrs", "\\brdrth", "\\brdrdb", "\\brdrdot", "\\brdrdash"};
        for (size_t side = 0; side < definition.borders.size(); ++side) {
            const Border& border = definition.borders[side];
            if (border.style == BorderStyle::None)
                continue;
            body_.append(kSideWords[side]);
            body_.append(kStyleWords[size_t(border.style)]);
            body_.append("\\brdrw" + QByteArray::number(border.width));
            if (border.color > 0)
                body_.append("\\brdrcf" + QByteArray::number(border.color));
        }
        // The row's own edge where it kept one that still grows; else the column's.
        const int rightEdge = (definition.rightEdge > edge && !spansColumns) ? definition.rightEdge : std::max(columnEdge, edge + 1);
        body_.append("\\cellx" + QByteArray::number(rightEdge));
        edge = rightEdge;
    }
}

void Writer::writeTable(const QTextTable& table, int depth)
{
    // Deeper tables than a reader keeps go on as cells of the deepest.
    const bool flattened = depth > kMaxTableDepth;
    const int cellDepth = flattened ? kMaxTableDepth : depth;
    const char* cellEnd = flattened ? "\\par" : depth > 1 ? "\\nestcell" : "\\cell";
    for (int row = 0; row < table.rows(); ++row) {
        closeLink();
        if (depth == 1) {
            writeRowDefinition(table, row);
            body_.append('\n');
        }
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(row, column);
            if (cell.row() != row || cell.column() != column) {
                // Within a cell spanning cells: an empty cell continues it.
                body_.append("\\pard\\intbl");
                if (cellDepth > 1)
                    body_.append("\\itap" + QByteArray::number(cellDepth));
                body_.append(cellEnd);
                body_.append('\n');
                continue;
            }
            writeFrame(cell.begin(), cellDepth, cellEnd);
        }
        if (flattened)
            continue;
        if (depth == 1) {
            body_.append("\\pard\\intbl\\row\n");
        } else {
            body_.append("{\\*\\nesttableprops");
            writeRowDefinition(table, row);
            body_.append("\\nestrow}{\\nonesttables\\par}\n");
        }
    }
}

void Writer::writeRunText(const QString& text, const QTextCharFormat& format)
{
    const QString family = nqtext::effectiveFamily(format, defaultFont_);
    if (const SymbolFont symbol = symbolFontOf(family, false); symbol != SymbolFont::None)
        writeSymbolText(text, symbol);
    else
        writeText(text, nq::isNqFace(family) ? TextEncoding::Nq
                        : codePageOfFontName(family) ? TextEncoding::Unicode
                                                     : TextEncoding::Cp1252);
}

bool Writer::firstOfPiece(const QTextFormat& format)
{
    const int piece = format.intProperty(kUnshownPiece);
    if (hiddenWritten_.contains(piece))
        return false;
    hiddenWritten_.insert(piece);
    return true;
}

void Writer::writeUnshown(const QString& hidden, const QByteArray& groups, const QTextCharFormat& format)
{
    if (!groups.isEmpty())
        body_.append(renumbered(groups, [this](int n) { return keptFont(n); }, [this](int n) { return keptColor(n); }));
    if (hidden.isEmpty())
        return;
    QTextCharFormat characters = format;
    if (characters.isImageFormat() || characters.isTableCellFormat())
        characters = QTextCharFormat();
    body_.append('{');
    writeCharacterProperties(characters, false);
    body_.chop(1);   // the space that ends the words
    body_.append("\\v ");
    writeRunText(hidden, characters);
    body_.append('}');
}

int Writer::keptFont(int number)
{
    // Before the tables are written: a face or colour kept groups use joins them.
    const QString face = kept_ ? kept_->fonts.value(number) : QString();
    return face.isEmpty() ? 0 : fontIndex(face);
}

int Writer::keptColor(int number)
{
    const QColor value = kept_ ? kept_->colors.value(number) : QColor();
    return number <= 0 || !value.isValid() ? 0 : colorIndex(value);
}

void Writer::renumberKeptGroups()
{
    const std::optional<KeptGroups>& kept = kept_;
    if (!kept)
        return;
    const auto font = [this](int number) { return keptFont(number); };
    const auto color = [this](int number) { return keptColor(number); };
    if (!kept->styleSheet.isEmpty())
        keptStyleSheet_ = renumbered(kept->styleSheet, font, color) + '\n';
    for (const QByteArray& part : kept->pageParts)
        keptPageParts_ += renumbered(part, font, color) + '\n';
}

QByteArray Writer::write()
{
    collectTables();
    body_.reserve(document_.characterCount() * 3 + 1024);
    writeFrame(document_.rootFrame()->begin(), 0);
    renumberKeptGroups();
    QByteArray out;
    writeHeader(out);
    out.reserve(out.size() + body_.size() + 2);
    out.append(body_);
    out.append("}\n");
    return out;
}

} // namespace

QByteArray writeDocument(const QTextDocument& document, WriteNotes* notes)
{
    Writer writer(document);
    QByteArray bytes = writer.write();
    if (notes)
        *notes = writer.notes();
    return bytes;
}

} // namespace rtf
