#pragma once
// The RTF reader: turns tokens into a QTextDocument. Groups are kept on an explicit stack,
// never by recursion, and their depth is capped. One loop reads every token, the notes
// read again at the end included, and checks the memory the document takes before each;
// it hands each token to the room of the group's destination (reader_room.h).

#include "rtf/document_builder.h"
#include "rtf/list_numbering.h"
#include "rtf/reader_body.h"
#include "rtf/reader_bookmarks.h"
#include "rtf/reader_colors.h"
#include "rtf/reader_fields.h"
#include "rtf/reader_fonts.h"
#include "rtf/reader_footnotes.h"
#include "rtf/kept_groups.h"
#include "rtf/reader_lists.h"
#include "rtf/reader_pictures.h"
#include "rtf/reader_shapes.h"
#include "rtf/reader_state.h"
#include "rtf/rtf.h"
#include "rtf/tokenizer.h"

#include <array>
#include <optional>
#include <vector>

namespace rtf {

class Reader final : private GroupReader {
public:
    Reader(QByteArrayView data, QTextDocument& document, const ReadLimits& limits = ReadLimits());
    std::optional<Failure> read(ReadNotes& notes);

private:
    // `offset` >= 0: where in the input, given as line and column.
    std::optional<Failure> failure(FailureKind kind, qsizetype offset = -1) const;
    // The guarded loop: reads tokens up to `end`, or up to the end of the document group.
    std::optional<Failure> readTokens(qsizetype end);
    std::optional<Failure> readGroup(qsizetype begin, qsizetype end, const GroupState& state) override;
    std::optional<Failure> dispatch(const Token& token);
    std::optional<Failure> finishDocument();
    // A kept group's skipping ended at its closing brace `end`.
    void keepSkipped(qsizetype end);

    Room& room() { return *rooms_[size_t(state_.destination)]; }
    void openGroup();
    void closeGroup();
    void startSkipping();
    // Starts a control word or symbol: ends the pending text run, and counts the token as
    // one unit of a \u fallback when one is being skipped (then true: nothing else to do).
    bool consumedAsFallback();
    // After a token that is not \*: no word that follows starts the group.
    void tokenSeen();
    void handleWord(const Token& token);
    // A word that starts or switches a destination; false for every other word.
    bool destinationWord(Cmd cmd, bool ignorable, bool first);
    void handleSymbol(char symbol);
    void handleText(std::string_view bytes);
    void handleHexByte(unsigned char byte);
    void handleBinary(std::string_view bytes);
    void appendUnicode(int value);
    void appendNqAwareChar(char16_t ch, unsigned char nqCode);

    QByteArrayView data_;
    const std::atomic<bool>* cancel_ = nullptr;
    std::atomic<qint64>* bytesRead_ = nullptr;
    Tokenizer tokenizer_;
    DocumentBuilder builder_;

    std::vector<GroupState> stack_;
    GroupState state_;
    int skipDepth_ = 0;          // > 0 while skipping a destination: its open groups
    bool ignorableNext_ = false; // after \* at the start of a group
    bool groupStart_ = false;    // no token yet in the current group
    int unicodeFallbackLeft_ = 0;
    bool documentEnded_ = false; // the document group has closed
    DocumentProps document_;

    ListNumbering lists_;
    FontTable fonts_{document_};
    ColorTable colors_;
    Fields fields_{state_};
    BodyText body_{state_, builder_, fonts_, colors_, fields_, lists_};
    Pictures pictures_;
    ListTables listTables_{state_, lists_};
    LegacyLists legacyLists_{state_, lists_};
    Shapes shapes_;
    Bookmarks bookmarks_{body_};
    Room dropped_;  // \upr's ANSI half, an \object's data: their text shows nowhere
    Footnotes footnotes_;
    KeptGroups kept_;
    qsizetype keptBytes_ = 0;
    Cmd keeping_ = Cmd::Unknown;   // the kept group being skipped: PagePart or StyleSheet
    qsizetype keepingFrom_ = 0;
    qsizetype groupOffset_ = 0;    // where the group opened last began
    ReadNotes* notes_ = nullptr;
    std::array<Room*, kDestinationCount> rooms_;
};

} // namespace rtf
