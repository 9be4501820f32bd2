#pragma once
// A room of the reader: what one destination does with the words, text and characters of
// a group while the group's destination is that room's. The reader's loop owns the groups,
// the \u fallbacks and the skipping; a room sees only what is left for it.

#include "rtf/control_words.h"
#include "rtf/reader_state.h"

#include <string_view>

namespace rtf {

struct Token;

class Room {
public:
    virtual ~Room() = default;
    // A control word; false leaves it to the formatting words (control_words.h).
    virtual bool word(Cmd, const Token&) { return false; }
    // Plain bytes of text.
    virtual void text(std::string_view) {}
    // A character from \uN, a symbol or a word such as \emdash.
    virtual void character(char16_t) {}
    // \'hh: a byte of text unless the room reads it otherwise.
    virtual void hexByte(unsigned char byte)
    {
        const char c = static_cast<char>(byte);
        text(std::string_view(&c, 1));
    }
    // The data of \binN.
    virtual void binary(std::string_view) {}
    // A group of this destination ends; `parent` is the group it returns to.
    virtual void groupClosed(GroupState& /*parent*/) {}
};

} // namespace rtf
