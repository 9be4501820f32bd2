#pragma once
// The system configuration store the About box reads, as a seam: the in-memory store
// serves tests, and on Linux the system's store has nothing to offer.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace about {

constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;
constexpr quint32 REG_SZ = 1;
constexpr quint32 REG_DWORD = 4;

// A value as stored: its type and its bytes (a string's bytes may end in a NUL or not).
struct RegistryValue {
    quint32 type = REG_SZ;
    QByteArray data;
};

class Registry {
public:
    virtual ~Registry() = default;
    // The value, or nothing when the key cannot be opened or has no such value.
    virtual std::optional<RegistryValue> queryValue(quint32 root, const QString& keyPath,
                                                    const QString& valueName) const = 0;
};

// Keys and value names compare without regard to case, as the system's store does.
class InMemoryRegistry final : public Registry {
public:
    void setValue(quint32 root, const QString& keyPath, const QString& valueName,
                  RegistryValue value);
    std::optional<RegistryValue> queryValue(quint32 root, const QString& keyPath,
                                            const QString& valueName) const override;

private:
    static QString slot(quint32 root, const QString& keyPath, const QString& valueName);
    QHash<QString, RegistryValue> values_;
};

// Linux has no such store: every lookup finds nothing.
class SystemRegistry final : public Registry {
public:
    std::optional<RegistryValue> queryValue(quint32, const QString&, const QString&) const override
    {
        return std::nullopt;
    }
};

// Reads one value into `KeyVal`: a string loses only its terminating NUL (one stored
// without keeps all its characters), a REG_DWORD becomes its decimal text, any other type
// leaves `KeyVal` as it was. Returns false, with `KeyVal` empty, when there is no such
// value or it does not fit the 1024-byte read buffer.
bool GetKeyValue(const Registry& registry, quint32 KeyRoot, const QString& KeyName,
                 const QString& SubKeyRef, QString& KeyVal);

} // namespace about
