#pragma once
// The one spelling of each Bengali letter the dictionary holds (tools/spelldict/normalization.py
// builds it the same way): NFC, with ড় ঢ় য় as single code points and khanda ta as ৎ.

#include <QString>

namespace spelling {

QString dictionaryForm(const QString& unicode);

} // namespace spelling
