#include "about/registry.h"

namespace about {

namespace {
constexpr qsizetype kReadBufferSize = 1024;
}

QString InMemoryRegistry::slot(quint32 root, const QString& keyPath, const QString& valueName)
{
    return QString::number(root, 16) + QLatin1Char('\n') + keyPath.toCaseFolded()
        + QLatin1Char('\n') + valueName.toCaseFolded();
}

void InMemoryRegistry::setValue(quint32 root, const QString& keyPath, const QString& valueName,
                                RegistryValue value)
{
    values_.insert(slot(root, keyPath, valueName), std::move(value));
}

std::optional<RegistryValue> InMemoryRegistry::queryValue(quint32 root, const QString& keyPath,
                                                          const QString& valueName) const
{
    const auto it = values_.constFind(slot(root, keyPath, valueName));
    if (it == values_.constEnd())
        return std::nullopt;
    return *it;
}

bool GetKeyValue(const Registry& registry, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal)
{
    const std::optional<RegistryValue> value = registry.queryValue(KeyRoot, KeyName, SubKeyRef);
    if (!value || value->data.size() > kReadBufferSize) {
        KeyVal.clear();
        return false;
    }
    const QByteArray& bytes = value->data;
    switch (value->type) {
    case REG_SZ: {
        // The size read counts the terminating NUL only where the string was stored with one.
        const qsizetype size = bytes.size();
        const bool endsInNul = size > 0 && bytes.at(size - 1) == '\0';
        KeyVal = QString::fromLocal8Bit(bytes.left(endsInNul ? size - 1 : size));
        break;
    }
    case REG_DWORD: {
        // Little-endian, as stored; the whole number, leading zero digits included.
        quint64 number = 0;
        for (qsizetype i = std::min<qsizetype>(bytes.size(), 8) - 1; i >= 0; --i)
            number = (number << 8) | quint8(bytes.at(i));
        KeyVal = QString::number(number);
        break;
    }
    default:
        break;
    }
    return true;
}

} // namespace about
