// Reads Unicode Bengali words, one a line (UTF-8), and writes for each the NQ glyph codes the
// Unicode bridge makes of it, as the characters the editor holds (UTF-8), one a line.
#include "nq/unicode_bridge.h"

#include <QFile>
#include <QTextStream>

int main()
{
    QFile in, out;
    if (!in.open(stdin, QIODevice::ReadOnly) || !out.open(stdout, QIODevice::WriteOnly))
        return 1;
    while (!in.atEnd()) {
        QByteArray line = in.readLine();
        if (line.endsWith('\n'))
            line.chop(1);
        const nq::BridgeResult result = nq::unicodeToNq(QString::fromUtf8(line));
        out.write(result.text.toUtf8());
        out.write("\n");
    }
    return 0;
}
