#pragma once
// A registry that records which keys were asked for, and a launcher that starts nothing.

#include "about/launcher.h"
#include "about/registry.h"

#include <QSet>
#include <QStringList>

class RecordingRegistry final : public about::Registry {
public:
    about::InMemoryRegistry values;
    mutable QStringList queried;

    std::optional<about::RegistryValue> queryValue(quint32 root, const QString& keyPath,
                                                   const QString& valueName) const override
    {
        queried.append(keyPath);
        return values.queryValue(root, keyPath, valueName);
    }
};

class FakeLauncher final : public about::Launcher {
public:
    QSet<QString> files;          // files that exist
    QSet<QString> onPath;         // program names found on PATH (as /usr/bin/<name>)
    QSet<QString> startable;      // paths that start
    QStringList attempted;        // every start, in order
    mutable QStringList searched; // every PATH search, in order

    bool fileExists(const QString& path) const override { return files.contains(path); }
    QString findOnPath(const QString& program) const override
    {
        searched.append(program);
        return onPath.contains(program) ? QStringLiteral("/usr/bin/") + program : QString();
    }
    bool start(const QString& path) override
    {
        attempted.append(path);
        return startable.contains(path);
    }
};
