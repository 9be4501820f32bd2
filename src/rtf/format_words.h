#pragma once
// The words that set a group's character or paragraph formatting or the document's
// settings, and the words that stand for one character: one row a word. A new word is a
// new row here and, when the setting is new, a field in reader_state.h.

#include "rtf/control_words.h"

#include <span>
#include <string_view>

namespace rtf {

template <typename Setter>
struct FormatWord {
    std::string_view name;
    Setter set;
};

struct CharacterWord {
    std::string_view name;
    char16_t character;
};

std::span<const FormatWord<CharSetter>> characterFormatWords();
std::span<const FormatWord<ParaSetter>> paragraphFormatWords();
std::span<const FormatWord<DocumentSetter>> documentWords();
std::span<const CharacterWord> characterWords();

} // namespace rtf
