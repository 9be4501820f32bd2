// Renders the writers' charts (keyboard layout and palette) from the glyph table and nq.ttf:
//   nq_charts <nq.ttf> <output folder>
#include "keyboard_chart.h"
#include "palette_chart.h"

#include <QDir>
#include <QGuiApplication>
#include <QRawFont>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: nq_charts <nq.ttf> <output folder>\n");
        return 2;
    }
    const QString fontPath = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    QRawFont font(fontPath, 28, QFont::PreferNoHinting);
    if (!font.isValid()) {
        std::fprintf(stderr, "nq_charts: cannot load the font %s\n", argv[1]);
        return 1;
    }
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "nq_charts: cannot create %s\n", argv[2]);
        return 1;
    }
    const struct {
        const char* name;
        QImage image;
    } charts[] = {{"keyboard.png", charts::keyboardChart(font)}, {"palette.png", charts::paletteChart(font)}};
    for (const auto& chart : charts) {
        const QString path = out.filePath(QString::fromLatin1(chart.name));
        if (!chart.image.save(path)) {
            std::fprintf(stderr, "nq_charts: cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    return 0;
}
