#include "normalization.h"

namespace spelling {

QString dictionaryForm(const QString& unicode)
{
    QString text = unicode.normalized(QString::NormalizationForm_C);
    // NFC takes these apart (composition exclusions); the dictionary keeps them whole.
    text.replace(QStringLiteral("\u09a1\u09bc"), QStringLiteral("\u09dc"));
    text.replace(QStringLiteral("\u09a2\u09bc"), QStringLiteral("\u09dd"));
    text.replace(QStringLiteral("\u09af\u09bc"), QStringLiteral("\u09df"));
    text.replace(QStringLiteral("\u09a4\u09cd\u200d"), QStringLiteral("\u09ce"));
    return text;
}

} // namespace spelling
