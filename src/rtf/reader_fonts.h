#pragma once
// The font table (\fonttbl): its entries, and which code page and face a run's font stands
// for.

#include "rtf/charsets.h"
#include "rtf/reader_room.h"
#include "rtf/symbol_fonts.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <unordered_map>

namespace rtf {

struct FontEntry {
    QString name;
    int codePage = 0;          // \cpg; 0: none
    int charsetCodePage = 0;   // from \fcharset; 0: the document's code page
    int suffixCodePage = 0;    // from a name such as "Arial CE"; 0: none
    bool nq = false;
    bool symbolCharset = false;  // \fcharset2
    SymbolFont symbol = SymbolFont::None;
};

// The face of text a file names no font for (no font table, or neither the run's font nor
// the \deff font in it). Such files come from programs that write Latin text; the NQ files
// of this program always name NQ in their table. The editor and the converter both show
// it, and a save names it.
QString unfontedFace();

class FontTable final : public Room {
public:
    explicit FontTable(const DocumentProps& document) : document_(document) {}

    // \fonttbl
    void start();
    bool word(Cmd cmd, const Token& token) override;
    void text(std::string_view bytes) override;
    void groupClosed(GroupState& parent) override;

    // The font of a run: its own, else the \deff font; nullptr when the table has neither.
    const FontEntry* fontOf(const CharProps& chars) const;
    // The run's \af font; nullptr when it names none the table has.
    const FontEntry* scriptFontOf(const CharProps& chars) const;
    int codePageOf(const FontEntry* font) const;
    // Every entry's number and face.
    QHash<int, QString> faces() const;
    QString decode(const FontEntry* font, const QByteArray& bytes) { return decoder_.decode(codePageOf(font), bytes); }
    // Counts the changes that may give a run another face: formats made before are stale.
    int changes() const { return changes_; }

private:
    void commitName();

    const DocumentProps& document_;
    CodePageDecoder decoder_;
    std::unordered_map<int, FontEntry> fonts_;
    int entry_ = -1;
    QByteArray nameBytes_;
    int changes_ = 0;
};

} // namespace rtf
