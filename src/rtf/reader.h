#pragma once
// The RTF reader: turns tokens into a QTextDocument. Groups are kept on an explicit stack,
// never by recursion, and their depth is capped.

#include "rtf/charsets.h"
#include "rtf/control_words.h"
#include "rtf/document_builder.h"
#include "rtf/list_numbering.h"
#include "rtf/reader_state.h"
#include "rtf/rtf.h"
#include "rtf/symbol_fonts.h"
#include "rtf/tokenizer.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>
#include <unordered_map>
#include <vector>

namespace rtf {

inline constexpr int kMaxGroupDepth = 10000;

class Reader {
public:
    Reader(QByteArrayView data, QTextDocument& document, const ReadLimits& limits = ReadLimits());
    std::optional<ReadError> read(ReadNotes& notes);

private:
    struct FontEntry {
        QString name;
        int codePage = 0;          // \cpg; 0: none
        int charsetCodePage = 0;   // from \fcharset; 0: the document's code page
        int suffixCodePage = 0;    // from a name such as "Arial CE"; 0: none
        bool nq = false;
        bool symbolCharset = false;  // \fcharset2
        SymbolFont symbol = SymbolFont::None;
    };
    // A footnote's content, read again at the end of the document.
    struct Footnote {
        qsizetype begin = 0;
        qsizetype end = -1;    // its closing brace; -1: the file ends first
        GroupState state;
    };
    struct PictureData {
        QByteArray bytes;
        int pendingNibble = -1;
        bool usable = false;     // PNG or JPEG
        int widthGoal = 0;       // twips
        int heightGoal = 0;
        int scaleX = 100;
        int scaleY = 100;
        int width = 0;           // \picw, \pich: pixels, or for metafiles 0.01 mm
        int height = 0;
        bool metafile = false;
        QByteArray header;       // the group's words but the display size, to write it back as read
    };

    std::optional<ReadError> errorAt(qsizetype offset, const QString& cause) const;
    std::optional<ReadError> dispatch(const Token& token);

    void openGroup();
    void closeGroup();
    // Starts a control word or symbol: ends the pending text run, and counts the token as
    // one unit of a \u fallback when one is being skipped (then true: nothing else to do).
    bool consumedAsFallback();
    void handleWord(const Token& token);
    void handleSymbol(char symbol);
    void handleBytes(std::string_view bytes);
    void handleHexByte(unsigned char byte);
    void handleBinary(std::string_view bytes);
    bool handleDestinationWord(Cmd cmd, bool ignorable, bool first);
    bool handleListTableWord(Cmd cmd, const Token& token);
    bool handleLegacyListWord(Cmd cmd, const Token& token);
    void startSkipping();
    void finishDocument();

    // Body text.
    void flushBytes();
    void appendText(const QString& text);
    void appendChar(char16_t ch);
    void appendNqAwareChar(char16_t ch, unsigned char nqCode);
    void appendUnicode(int value);
    void emitRun();
    void endParagraph();
    bool paragraphOpen() const;
    // Before the first content of a cell or paragraph: the pending cell separators, then
    // the paragraph's list label.
    void beforeContent();
    void emitListLabel();
    // A unit of a list definition's label text: a \u character, or U+F000 + byte.
    void holdLabelUnit(char16_t unit);
    QString labelText(const QString& held, const FontEntry* font);
    void appendFootnotes();

    const FontEntry* fontOf(const CharProps& chars) const;
    int codePageOf(const FontEntry* font) const;
    bool isNqRun() const;
    QTextCharFormat charFormat(const CharProps& chars);
    QColor colorAt(int index) const;

    void commitFontName();
    void commitColor();
    void finishPicture();
    QString placeholderImage(QSizeF size);

    QByteArrayView data_;
    QTextDocument& document_;
    Tokenizer tokenizer_;
    DocumentBuilder builder_;
    CodePageDecoder decoder_;

    std::vector<GroupState> stack_;
    GroupState state_;
    int skipDepth_ = 0;          // > 0 while skipping a destination: its open groups
    bool ignorableNext_ = false; // after \* at the start of a group
    bool groupStart_ = false;    // no token yet in the current group
    int unicodeFallbackLeft_ = 0;
    bool documentEnded_ = false;
    bool finished_ = false;

    int ansiCodePage_ = 1252;
    int defaultFont_ = 0;
    std::unordered_map<int, FontEntry> fonts_;
    int fontEntry_ = -1;
    QByteArray fontNameBytes_;
    std::vector<QColor> colors_;
    bool colorHasValue_ = false;
    int red_ = 0, green_ = 0, blue_ = 0;

    QByteArray pendingBytes_;
    QString runText_;
    CharProps runProps_;
    int cellSeparatorsPending_ = 0;  // one per \cell: empty cells keep their place
    bool pageBreakPending_ = false;

    std::vector<QString> fieldInstructions_;
    QStringList links_;
    PictureData picture_;
    qint64 pictureBudgetLeft_ = 0;
    QHash<quint32, QString> placeholders_;  // by the placeholder image's size
    ReadNotes* notes_ = nullptr;

    bool blockFormatCached_ = false;
    ParaProps cachedPara_;
    QTextBlockFormat cachedBlockFormat_;
    ListNumbering lists_;
    int legacyList_ = -1;          // the \pn group being read
    int levelTextLeft_ = 0;        // units of \leveltext still to come
    bool paragraphLabelDone_ = false;
    QString literalLabel_;         // the paragraph's \listtext or \pntext
    CharProps literalLabelProps_;

    std::vector<Footnote> footnotes_;
    int footnoteReading_ = 0;      // the number of the footnote read at the end; 0: the body

    bool formatCached_ = false;
    CharProps cachedProps_;
    QTextCharFormat cachedFormat_;
};

} // namespace rtf
