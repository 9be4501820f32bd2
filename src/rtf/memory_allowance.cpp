#include "rtf/memory_allowance.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include <sys/resource.h>
#include <unistd.h>

namespace rtf {
namespace {

// Kilobytes of the named /proc/meminfo fields, added; -1 when the file cannot be read.
qint64 systemAvailable()
{
    std::FILE* file = std::fopen("/proc/meminfo", "r");
    if (!file)
        return -1;
    qint64 total = -1;
    char line[256];
    while (std::fgets(line, sizeof line, file)) {
        long long kilobytes = 0;
        if ((std::sscanf(line, "MemAvailable: %lld kB", &kilobytes) == 1)
            || (std::sscanf(line, "SwapFree: %lld kB", &kilobytes) == 1))
            total = std::max<qint64>(total, 0) + kilobytes * 1024;
    }
    std::fclose(file);
    return total;
}

qint64 addressSpaceLeft()
{
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return -1;
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file)
        return -1;
    long long pages = 0;
    const bool read = std::fscanf(file, "%lld", &pages) == 1;
    std::fclose(file);
    if (!read)
        return -1;
    return std::max<qint64>(0, qint64(limit.rlim_cur) - pages * ::sysconf(_SC_PAGESIZE));
}

} // namespace

qint64 availableMemory()
{
    const qint64 system = systemAvailable();
    const qint64 address = addressSpaceLeft();
    if (system < 0)
        return address;
    if (address < 0)
        return system;
    return std::min(system, address);
}

} // namespace rtf
