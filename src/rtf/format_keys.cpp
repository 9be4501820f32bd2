#include "rtf/format_keys.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QStringList>
#include <QTextLength>
#include <QTextOption>
#include <QVariant>

namespace rtf {
namespace {

// Types Qt's format collection already hashes by their value.
bool hashedByQt(const QMetaType& type)
{
    switch (type.id()) {
    case QMetaType::QString:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::Bool:
    case QMetaType::QColor:
    case QMetaType::QBrush:
    case QMetaType::QTextLength:
        return true;
    default:
        return false;
    }
}

size_t valueHash(const QVariant& value, size_t seed)
{
    const QMetaType type = value.metaType();
    switch (type.id()) {
    case QMetaType::QString:
        return qHash(value.toString(), seed);
    case QMetaType::QStringList:
        return qHash(value.toStringList(), seed);
    case QMetaType::QByteArray:
        return qHash(value.toByteArray(), seed);
    case QMetaType::Int:
    case QMetaType::Bool:
        return qHashMulti(seed, value.toInt());
    case QMetaType::Double:
    case QMetaType::Float:
        return qHashMulti(seed, value.toDouble());
    case QMetaType::QVariantList:
        for (const QVariant& item : value.toList())
            seed = valueHash(item, seed);
        return seed;
    default:
        break;
    }
    if (type == QMetaType::fromType<QTextOption::Tab>()) {
        const auto tab = value.value<QTextOption::Tab>();
        return qHashMulti(seed, tab.position, int(tab.type), tab.delimiter);
    }
    if (type == QMetaType::fromType<QList<QTextLength>>()) {
        for (const QTextLength& length : value.value<QList<QTextLength>>())
            seed = qHashMulti(seed, int(length.type()), length.rawValue());
        return seed;
    }
    return qHashMulti(seed, type.id());
}

} // namespace

void addValueKey(QTextFormat& format)
{
    format.clearProperty(kValueKey);
    size_t key = 0;
    bool any = false;
    const QMap<int, QVariant> properties = format.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        if (hashedByQt(it.value().metaType()))
            continue;
        key = valueHash(it.value(), qHashMulti(key, it.key()));
        any = true;
    }
    if (any)
        format.setProperty(kValueKey, int(key));
}

} // namespace rtf
