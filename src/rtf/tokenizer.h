#pragma once
// Splits RTF bytes into tokens. It never recurses and never copies: tokens point into the
// input. `\binN` is handled here, so its data is never mistaken for tokens, whether the
// reader uses the group or skips it.

#include <QByteArrayView>

#include <optional>

#include <string_view>

namespace rtf {

enum class TokenKind {
    GroupStart,  // {
    GroupEnd,    // }
    Word,        // \name or \nameN
    Symbol,      // \ followed by one non-letter, e.g. \~ \* \{ ; \<newline> reads as \par
    HexByte,     // \'hh
    Text,        // a run of plain bytes (CR and LF removed)
    Binary,      // the data of \binN
    End,         // end of input, or an error (see Tokenizer::error)
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string_view text;  // Word: its name; Text and Binary: the bytes
    int param = 0;          // Word: the parameter, when hasParam
    bool hasParam = false;
    char symbol = 0;        // Symbol
    unsigned char byte = 0; // HexByte
    qsizetype offset = 0;   // where the token starts in the input
};

class Tokenizer {
public:
    explicit Tokenizer(QByteArrayView data) : data_(data) {}

    Token next();
    void skipTo(qsizetype position) { pos_ = position; }

    // Set when the input ended inside a token that needs more bytes (\binN).
    struct CutShort {
        qsizetype offset = 0;   // where the token starts
        qint64 announced = 0;   // the bytes it announces
        qint64 available = 0;   // the bytes that follow it
    };
    const std::optional<CutShort>& cutShort() const { return cutShort_; }
    qsizetype position() const { return pos_; }

    // 1-based line and column of a byte offset (computed on demand: errors are rare).
    static void lineAndColumn(QByteArrayView data, qsizetype offset, int& line, int& column);

private:
    Token readControl(qsizetype start);
    Token fail(const CutShort& cutShort);

    QByteArrayView data_;
    qsizetype pos_ = 0;
    std::optional<CutShort> cutShort_;
};

} // namespace rtf
