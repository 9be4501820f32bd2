#pragma once
// A glyph code of the NQ font (one byte) travels in the editor as one QChar: the
// Windows-1252 character of the byte, except for the codes that stand inside Bengali words
// while their cp1252 character is not a letter (Qt would break lines and words at them, or
// hide them), which are held as U+F000 + code.
// This is the only place that converts between the two.

#include <QChar>
#include <QString>
#include <QByteArray>
#include <optional>

namespace nq {

// The character the editor holds for glyph code `code`.
QChar toChar(unsigned char code);

// The glyph code a character stands for: its cp1252 byte, or the byte of a
// private-use form U+F000–U+F0FF / U+F100–U+F1FF (what LibreOffice makes of NQ bytes).
// Empty for characters that stand for no byte.
std::optional<unsigned char> toCode(QChar ch);

// Whole strings, for codecs and tests. Characters without a code become `fallback`.
QString toText(const QByteArray& codes);
QByteArray toCodes(const QString& text, char fallback = '?');

// True for the codes held in the private-use area rather than as their cp1252 character.
bool isHeldPrivate(unsigned char code);

// The cp1252 character of `code`, also for the codes held privately: what a typed key
// gives in text that is not set in the NQ face.
QChar toPlainChar(unsigned char code);

} // namespace nq
