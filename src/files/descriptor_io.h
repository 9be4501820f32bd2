#pragma once
// Whole reads and writes on file descriptors: short counts and interruptions are retried,
// so that a failure is the system's answer to the call that failed.

#include <QByteArray>

namespace files {

// 0, or the errno of the failing call.
int writeAllAt(int fd, const QByteArray& bytes, qint64 offset);
int readAllAt(int fd, QByteArray& bytes, qint64 offset = 0);
// fsync, where the file system supports it.
int syncFile(int fd);
// Makes a rename or an unlink in `folder` durable; failures are of no consequence.
void syncFolder(const QByteArray& folder);

// Closed on every way out.
struct Descriptor {
    int fd = -1;
    explicit Descriptor(int value = -1) : fd(value) {}
    ~Descriptor();
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    void close();
};

} // namespace files
