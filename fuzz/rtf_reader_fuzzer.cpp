// libFuzzer harness for the RTF reader. Each input is read into a fresh document; what was
// read is written and read again, which must succeed and give the same text.

#include "rtf/failure_text.h"
#include "rtf/rtf.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "rtf_reader_fuzzer";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    ensureApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ensureApplication();
    QTextDocument document;
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    if (rtf::read(input, document))
        return 0;
    const QByteArray written = rtf::write(document);
    QTextDocument again;
    if (const auto error = rtf::read(written, again)) {
        std::fprintf(stderr, "re-reading our own output failed: %s\n", qPrintable(rtf::failureText(*error)));
        std::abort();
    }
    const QString before = document.toRawText();
    const QString after = again.toRawText();
    if (after != before) {
        qsizetype at = 0;
        while (at < before.size() && at < after.size() && before[at] == after[at])
            ++at;
        std::fprintf(stderr, "text changed on write and read at character %lld: U+%04X became U+%04X\n%s\n---\n%s\n",
                     static_cast<long long>(at), at < before.size() ? before[at].unicode() : 0u,
                     at < after.size() ? after[at].unicode() : 0u, qPrintable(before.mid(at - 20, 40)),
                     qPrintable(after.mid(at - 20, 40)));
        std::abort();
    }
    return 0;
}
