// bench_pdf_text [PAGES] [OUT_DIR]: prints NQ paragraphs (12 pt, A4, every fifth paragraph
// bold) until the document fills PAGES pages (50), then times the post-processing that adds
// Unicode text and compares sizes. With OUT_DIR, both PDFs are written there.

#include "nq/unicode_bridge.h"
#include "pdftext/pdf_text.h"
#include "printout/paged_document.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

const char* const kWords[] = {"আমি", "বাংলায়", "গান", "গাই", "প্রশ্ন", "স্টেশন", "যত্নে", "কর্মী", "সৌভাগ্য",
                              "মৌমাছি", "কিতাব", "বোন", "কৈশোর", "পৃথিবী", "চন্দ্র", "ক্ষমা", "রুপা", "শুভ",
                              "হৃদয়", "স্বপ্ন", "বিশ্ববিদ্যালয়", "১২৩।"};

QTextDocument* makeDocument(int paragraphs)
{
    auto* document = new QTextDocument;
    QTextCursor cursor(document);
    unsigned seed = 1;
    for (int p = 0; p < paragraphs; ++p) {
        QString unicode;
        for (int w = 0; w < 60; ++w) {
            seed = seed * 1103515245u + 12345u;
            unicode += QString::fromUtf8(kWords[(seed >> 16) % std::size(kWords)]) + u' ';
        }
        QTextCharFormat format;
        format.setFontFamilies({QStringLiteral("NQ")});
        format.setFontPointSize(12);
        format.setFontWeight(p % 5 == 0 ? QFont::Bold : QFont::Normal);
        if (p > 0)
            cursor.insertBlock();
        cursor.insertText(nq::unicodeToNq(unicode.trimmed()).text, format);
    }
    return document;
}

QByteArray print(QTextDocument& document, int* pages)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    printout::paintPages(document, writer);
    *pages = document.pageCount();
    return pdf;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int wanted = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    if (QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() + QStringLiteral("/nq.ttf")) < 0) {
        std::fputs("bench_pdf_text: nq.ttf not found beside the executable\n", stderr);
        return 1;
    }
    // Paragraphs until the pages are full.
    int paragraphs = 8, pages = 0;
    QByteArray printed;
    for (;;) {
        std::unique_ptr<QTextDocument> document(makeDocument(paragraphs));
        document->documentLayout(); // lay out at the printer's resolution inside print()
        printed = print(*document, &pages);
        if (pages >= wanted)
            break;
        paragraphs = std::max(paragraphs + 1, paragraphs * wanted / std::max(pages, 1));
    }
    QByteArray searchable;
    QString error;
    const int runs = 5;
    double best = 1e9;
    for (int r = 0; r < runs; ++r) {
        const std::clock_t start = std::clock();
        const auto result = pdftext::addUnicodeText(printed, {QStringLiteral("bench"), QStringLiteral("Norvelin"),
                                                              QStringLiteral("bn")}, &error);
        best = std::min(best, double(std::clock() - start) / CLOCKS_PER_SEC);
        if (!result) {
            std::fprintf(stderr, "bench_pdf_text: %s\n", qPrintable(error));
            return 1;
        }
        searchable = *result;
    }
    std::printf("pages %d (%d paragraphs, every fifth bold)\n", pages, paragraphs);
    std::printf("post-processing CPU: %.3f s (best of %d)\n", best, runs);
    std::printf("size: %lld -> %lld bytes (%+.1f%%)\n", qlonglong(printed.size()), qlonglong(searchable.size()),
                100.0 * (searchable.size() - printed.size()) / printed.size());
    if (argc > 2) {
        QDir().mkpath(QString::fromLocal8Bit(argv[2]));
        QFile a(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/printed.pdf"));
        QFile b(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/searchable.pdf"));
        if (a.open(QIODevice::WriteOnly))
            a.write(printed);
        if (b.open(QIODevice::WriteOnly))
            b.write(searchable);
    }
    return 0;
}
