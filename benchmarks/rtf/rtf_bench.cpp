// Figures for the RTF codec: generated NQ documents with mixed formatting, read and write
// throughput, the tokenizer alone, and peak resident memory. Prints; never judges.
//
//   rtf_bench generate OUT.rtf MEGABYTES
//   rtf_bench paragraphs OUT.rtf COUNT        (COUNT paragraphs "x\par")
//   rtf_bench pictures OUT.rtf COUNT SIDE     (COUNT one-colour SIDE x SIDE PNGs)
//   rtf_bench read|write|tokenize FILE [REPEATS]

#include "nq/glyph_code.h"
#include "rtf/failure_text.h"
#include "rtf/rtf.h"
#include "rtf/tokenizer.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>

#include <sys/resource.h>
#include <time.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double peakRssMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
}

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    return file.readAll();
}

// NQ text of typed letters and palette glyphs, in runs whose formatting changes every few
// words, paragraphs of a few hundred characters: what a long Bengali document looks like.
int generate(const QString& path, double megabytes)
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("NQ"), 16));
    QTextCursor cursor(&document);
    QRandomGenerator random(20240101);
    const QColor colors[] = {Qt::black, Qt::red, QColor(0, 0, 160), QColor(0, 120, 0)};
    const qsizetype target = qsizetype(megabytes * 1024 * 1024);
    QByteArray written;
    while (true) {
        for (int paragraph = 0; paragraph < 200; ++paragraph) {
            const int runs = 3 + int(random.bounded(6));
            for (int run = 0; run < runs; ++run) {
                QTextCharFormat format;
                format.setFontFamilies({QStringLiteral("NQ")});
                format.setFontPointSize(14 + 2 * random.bounded(4));
                format.setFontWeight(random.bounded(4) == 0 ? QFont::Bold : QFont::Normal);
                format.setFontItalic(random.bounded(6) == 0);
                format.setFontUnderline(random.bounded(8) == 0);
                format.setForeground(colors[random.bounded(4)]);
                QString text;
                const int length = 20 + int(random.bounded(60));
                for (int i = 0; i < length; ++i) {
                    const int roll = int(random.bounded(100));
                    const int code = roll < 15 ? ' ' : roll < 70 ? 'a' + int(random.bounded(26)) : 0xA1 + int(random.bounded(0x5F));
                    text.append(nq::toChar(static_cast<unsigned char>(code)));
                }
                cursor.insertText(text, format);
            }
            QTextBlockFormat block;
            block.setAlignment(random.bounded(5) == 0 ? Qt::AlignHCenter : Qt::AlignLeft);
            cursor.insertBlock(block);
        }
        written = rtf::write(document);
        if (written.size() >= target)
            break;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(written) != written.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("generated %s: %.2f MB, %d paragraphs, %d characters\n", qPrintable(path),
                written.size() / 1048576.0, document.blockCount(), document.characterCount());
    return 0;
}

// The plainest long document: every paragraph one letter. Its cost is all in the paragraphs.
int generateParagraphs(const QString& path, int count)
{
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n");
    rtf.reserve(rtf.size() + qsizetype(count) * 6 + 2);
    for (int i = 0; i < count; ++i)
        rtf.append("x\\par\n");
    rtf.append("}");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("generated %s: %.2f MB, %d paragraphs\n", qPrintable(path), rtf.size() / 1048576.0, count);
    return 0;
}

// Pictures that are small as files and huge once decoded: one colour, SIDE x SIDE pixels.
int generatePictures(const QString& path, int count, int side)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor(40, 90, 160));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG", 9);
    const QByteArray hex = png.toHex();
    QByteArray rtf("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\n");
    for (int i = 0; i < count; ++i) {
        rtf.append("Picture " + QByteArray::number(i + 1) + ": {\\pict\\pngblip\\picw" + QByteArray::number(side)
                   + "\\pich" + QByteArray::number(side) + "\\picwgoal1440\\pichgoal1440\n" + hex + "}\\par\n");
    }
    rtf.append("}");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("generated %s: %.2f MB, %d pictures of %d x %d pixels (%.0f MB each decoded)\n", qPrintable(path),
                rtf.size() / 1048576.0, count, side, side, side * double(side) * 4 / 1048576.0);
    return 0;
}

bool writeRtf(const QString& path, const QByteArray& rtf)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Shapes that once made reading grow with their square (or would, read naively): COUNT
// distinct faces each with a run, COUNT distinct undecodable pictures, a link of COUNT
// backslashes, or a table of COUNT rows of two cells.
int generateSlowShape(const QString& shape, const QString& path, int count)
{
    QByteArray rtf("{\\rtf1");
    if (shape == u"faces") {
        QByteArray runs;
        rtf.append("{\\fonttbl");
        for (int i = 0; i < count; ++i) {
            const QByteArray number = QByteArray::number(i);
            rtf.append("{\\f" + number + " Face" + number + ";}");
            runs.append("{\\f" + number + " w }");
        }
        rtf.append("}" + runs);
    } else if (shape == u"undecodable") {
        for (int i = 0; i < count; ++i)
            rtf.append("{\\pict\\pngblip " + QByteArray::number(0x10000000 + i, 16) + "}");
    } else if (shape == u"tablerows") {
        for (int i = 0; i < count; ++i)
            rtf.append("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row\n");
    } else {
        rtf.append("{\\field{\\*\\fldinst HYPERLINK \"" + QByteArray(count, '\\') + "\"}{\\fldrslt x}}");
    }
    rtf.append("}");
    if (!writeRtf(path, rtf))
        return 1;
    std::printf("generated %s: %.2f MB, %d %s\n", qPrintable(path), rtf.size() / 1048576.0, count, qPrintable(shape));
    return 0;
}

template <typename Work>
double medianSeconds(int repeats, Work work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(timer.nsecsElapsed() / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char* what, qsizetype bytes, double seconds, double baselineMb)
{
    const double mb = bytes / 1048576.0;
    std::printf("%-9s %8.2f MB  median %8.4f s  %8.1f MB/s  peak RSS %7.1f MB (%.1f MB over start-up, %.1fx the file)\n",
                what, mb, seconds, mb / seconds, peakRssMb(), peakRssMb() - baselineMb, (peakRssMb() - baselineMb) / mb);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args[0] == u"generate")
        return generate(args[1], args[2].toDouble());
    if (args.size() >= 3 && args[0] == u"paragraphs")
        return generateParagraphs(args[1], args[2].toInt());
    if (args.size() >= 4 && args[0] == u"pictures")
        return generatePictures(args[1], args[2].toInt(), args[3].toInt());
    if (args.size() >= 3 && (args[0] == u"faces" || args[0] == u"undecodable" || args[0] == u"backslashes"
                               || args[0] == u"tablerows"))
        return generateSlowShape(args[0], args[1], args[2].toInt());
    if (args.size() < 2) {
        std::fputs("usage: rtf_bench generate OUT.rtf MEGABYTES | paragraphs OUT.rtf COUNT | pictures OUT.rtf COUNT SIDE\n"
                   "       | faces|undecodable|backslashes|tablerows OUT.rtf COUNT | read|write|tokenize FILE [REPEATS]\n", stderr);
        return 2;
    }
    const QString mode = args[0];
    const int repeats = args.size() > 2 ? std::max(1, args[2].toInt()) : 5;
    const double baseline = peakRssMb();
    const QByteArray data = readAll(args[1]);

    if (mode == u"tokenize") {
        qsizetype tokens = 0;
        const double seconds = medianSeconds(repeats, [&] {
            rtf::Tokenizer tokenizer(data);
            tokens = 0;
            while (tokenizer.next().kind != rtf::TokenKind::End)
                ++tokens;
        });
        report("tokenize", data.size(), seconds, baseline);
        std::printf("          %lld tokens\n", static_cast<long long>(tokens));
        return 0;
    }
    if (mode == u"read") {
        // Reading only: freeing a document of a million paragraphs takes a while of its own,
        // and is shown apart.
        rtf::ReadNotes notes;
        int paragraphs = 0;
        std::vector<double> reads;
        std::vector<double> cpus;
        double freeing = 0;
        for (int i = 0; i < repeats; ++i) {
            auto* document = new QTextDocument;
            QElapsedTimer timer;
            const double cpuStart = cpuSeconds();
            timer.start();
            if (const auto error = rtf::read(data, *document, &notes)) {
                std::fprintf(stderr, "%s\n", qPrintable(rtf::failureText(*error)));
                return 1;
            }
            reads.push_back(timer.nsecsElapsed() / 1e9);
            cpus.push_back(cpuSeconds() - cpuStart);
            paragraphs = document->blockCount();
            timer.restart();
            delete document;
            freeing = timer.nsecsElapsed() / 1e9;
        }
        std::sort(reads.begin(), reads.end());
        std::sort(cpus.begin(), cpus.end());
        const double seconds = reads[reads.size() / 2];
        report("read", data.size(), seconds, baseline);
        std::printf("          median CPU time %.4f s (wall time counts other processes' share of the CPU)\n",
                    cpus[cpus.size() / 2]);
        std::printf("          %d paragraphs; freeing a document %.4f s; pictures shown as placeholders: %d over the budget, %d undecodable%s\n",
                    paragraphs, freeing, notes.picturesOverBudget, notes.picturesUndecodable,
                    notes.truncated ? "; the file is cut short" : "");
        return 0;
    }
    if (mode == u"write") {
        QTextDocument document;
        if (rtf::read(data, document))
            return 1;
        qsizetype size = 0;
        const double seconds = medianSeconds(repeats, [&] { size = rtf::write(document).size(); });
        report("write", size, seconds, baseline);
        return 0;
    }
    std::fprintf(stderr, "unknown mode %s\n", qPrintable(mode));
    return 2;
}
