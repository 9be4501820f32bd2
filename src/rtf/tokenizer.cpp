#include "rtf/tokenizer.h"

#include "rtf/hex_digit.h"

#include <algorithm>
#include <array>
#include <limits>

namespace rtf {
namespace {

// Byte classes, looked up rather than compared: the text loop is the tokenizer's hot path.
enum : unsigned char { kPlain = 0, kBreaksText = 1, kLetter = 2 };

constexpr std::array<unsigned char, 256> makeClasses()
{
    std::array<unsigned char, 256> classes{};
    for (unsigned char c : {'{', '}', '\\', '\r', '\n'})
        classes[c] = kBreaksText;
    for (int c = 'a'; c <= 'z'; ++c)
        classes[c] = kLetter;
    for (int c = 'A'; c <= 'Z'; ++c)
        classes[c] = kLetter;
    return classes;
}

constexpr auto kClasses = makeClasses();

bool isLetter(char c) { return kClasses[static_cast<unsigned char>(c)] == kLetter; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

void Tokenizer::lineAndColumn(QByteArrayView data, qsizetype offset, int& line, int& column)
{
    line = 1;
    column = 1;
    const qsizetype end = std::min(offset, data.size());
    for (qsizetype i = 0; i < end; ++i) {
        if (data[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
}

Token Tokenizer::fail(const CutShort& cutShort)
{
    cutShort_ = cutShort;
    pos_ = data_.size();
    Token token;
    token.offset = cutShort.offset;
    return token;
}

Token Tokenizer::next()
{
    const char* bytes = data_.data();
    const qsizetype size = data_.size();
    while (pos_ < size) {
        const char c = bytes[pos_];
        Token token;
        token.offset = pos_;
        switch (c) {
        case '{':
            ++pos_;
            token.kind = TokenKind::GroupStart;
            return token;
        case '}':
            ++pos_;
            token.kind = TokenKind::GroupEnd;
            return token;
        case '\\':
            return readControl(pos_);
        case '\r':
        case '\n':
            ++pos_;
            continue;
        default: {
            const qsizetype start = pos_;
            while (pos_ < size && kClasses[static_cast<unsigned char>(bytes[pos_])] != kBreaksText)
                ++pos_;
            token.kind = TokenKind::Text;
            token.text = std::string_view(bytes + start, size_t(pos_ - start));
            return token;
        }
        }
    }
    Token end;
    end.offset = size;
    return end;
}

Token Tokenizer::readControl(qsizetype start)
{
    const char* bytes = data_.data();
    const qsizetype size = data_.size();
    Token token;
    token.offset = start;
    pos_ = start + 1;
    if (pos_ >= size) {
        // A lone backslash at the very end carries nothing.
        token.kind = TokenKind::End;
        return token;
    }
    const char c = bytes[pos_];
    if (!isLetter(c)) {
        ++pos_;
        if (c == '\'') {
            const int high = pos_ < size ? hexDigitValue(bytes[pos_]) : -1;
            if (high < 0) {
                token.kind = TokenKind::Symbol;
                token.symbol = '\'';
                return token;
            }
            ++pos_;
            const int low = pos_ < size ? hexDigitValue(bytes[pos_]) : -1;
            token.kind = TokenKind::HexByte;
            if (low < 0) {
                // As other readers do: \'<digit><junk> stands for \'0<digit>.
                token.byte = static_cast<unsigned char>(high);
            } else {
                ++pos_;
                token.byte = static_cast<unsigned char>(high * 16 + low);
            }
            return token;
        }
        token.kind = TokenKind::Symbol;
        token.symbol = (c == '\r' || c == '\n') ? '\n' : c;
        return token;
    }

    const qsizetype nameStart = pos_;
    while (pos_ < size && isLetter(bytes[pos_]))
        ++pos_;
    token.kind = TokenKind::Word;
    // Longer names are no word of the format; they are kept whole so that they match nothing.
    token.text = std::string_view(bytes + nameStart, size_t(pos_ - nameStart));

    if (pos_ < size && (isDigit(bytes[pos_]) || (bytes[pos_] == '-' && pos_ + 1 < size && isDigit(bytes[pos_ + 1])))) {
        const bool negative = bytes[pos_] == '-';
        if (negative)
            ++pos_;
        long long value = 0;
        while (pos_ < size && isDigit(bytes[pos_])) {
            if (value < (1LL << 40))
                value = value * 10 + (bytes[pos_] - '0');
            ++pos_;
        }
        if (negative)
            value = -value;
        // Parameters are 32-bit; out-of-range values are clamped rather than wrapped.
        value = std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        token.param = static_cast<int>(value);
        token.hasParam = true;
    }
    if (pos_ < size && bytes[pos_] == ' ')
        ++pos_;

    if (token.text.size() == 3 && token.text == "bin") {
        if (!token.hasParam || token.param <= 0)
            return token;  // no data follows; the reader ignores the word
        const qsizetype length = token.param;
        if (length > size - pos_)
            return fail({start, length, size - pos_});
        Token binary;
        binary.kind = TokenKind::Binary;
        binary.offset = start;
        binary.text = std::string_view(bytes + pos_, size_t(length));
        pos_ += length;
        return binary;
    }
    return token;
}

} // namespace rtf
