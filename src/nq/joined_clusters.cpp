#include "nq/joined_clusters.h"

#include <QFile>

namespace nq {

QList<QString> parseJoinedClusters(const QString& text, QStringList* errors)
{
    QList<QString> clusters;
    int lineNo = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        ++lineNo;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        QString cluster;
        bool ok = true;
        for (const QString& part : line.section(QLatin1Char('\t'), 0, 0).split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const uint cp = part.startsWith(QLatin1String("U+")) ? part.mid(2).toUInt(&ok, 16) : 0;
            if (!ok || cp < 0x0980 || cp > 0x09FF) {
                ok = false;
                break;
            }
            cluster.append(QChar(char16_t(cp)));
        }
        // Consonant, hasanta, consonant ...: odd length, hasanta at every odd place.
        for (qsizetype i = 1; ok && i < cluster.size(); i += 2)
            ok = cluster[i] == QChar(0x09CD);
        if (!ok || cluster.size() < 3 || cluster.size() % 2 == 0) {
            if (errors)
                errors->append(QStringLiteral("line %1: not a consonant cluster").arg(lineNo));
            continue;
        }
        clusters.append(cluster);
    }
    return clusters;
}

const QList<QString>& joinedClusters()
{
    static const QList<QString> clusters = [] {
        QFile file(QStringLiteral(":/nq/joined_clusters.tsv"));
        if (!file.open(QIODevice::ReadOnly))
            qFatal("The NQ joined clusters are missing from the program's resources");
        return parseJoinedClusters(QString::fromUtf8(file.readAll()));
    }();
    return clusters;
}

} // namespace nq
