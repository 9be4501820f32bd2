#pragma once
// Unicode Bengali typed into NQ text, from a Bengali keyboard layout or an input method,
// becomes glyph codes as it arrives. Unicode is typed in logical order and NQ stands in
// visual order, so a sign typed after its consonant may belong before it: each arrival
// converts the Bengali word before the caret anew, through Unicode, with what was typed.
// However the text arrives, one character or a word at a time, the word ends up with the
// codes that pasting it whole gives.

#include <QString>

class QTextCursor;

namespace nqtext {

// Whether typed `text` is Unicode Bengali to convert: it holds a letter, sign or digit of
// the Bengali block, a dari, or a joiner (typed after hasanta to keep it visible).
bool isBengaliInput(const QString& text);

// Types `text` at `cursor`, replacing its selection, as one edit: the NQ word that ends at
// the cursor in the same format is converted again together with `text`; only the codes
// that change are rewritten. Characters with no NQ code stay as they are, in a face that
// shows them. The cursor ends after the typed text. Returns how many characters stayed.
int typeUnicode(QTextCursor& cursor, const QString& text);

} // namespace nqtext
