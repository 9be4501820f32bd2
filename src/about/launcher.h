#pragma once
// Starting the system-information program, as a seam: the real launcher starts
// processes, tests record what would have been started.

#include <QString>

namespace about {

class Launcher {
public:
    virtual ~Launcher() = default;
    virtual bool fileExists(const QString& path) const = 0;
    // The full path of `program` found on PATH, or empty.
    virtual QString findOnPath(const QString& program) const = 0;
    // Starts `path` without waiting for it; false when it could not be started.
    virtual bool start(const QString& path) = 0;
};

class ProcessLauncher final : public Launcher {
public:
    bool fileExists(const QString& path) const override;
    QString findOnPath(const QString& program) const override;
    bool start(const QString& path) override;
};

} // namespace about
