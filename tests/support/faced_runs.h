#pragma once
// Each run of a document with the family it is drawn in: what tests of NQ and Unicode text
// compare, since a run's face decides whether its characters read as Bengali.

#include "nqtext/nq_runs.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QTextBlock>
#include <QTextDocument>

inline QList<QPair<QString, QString>> facedRuns(const QTextDocument& doc)
{
    QList<QPair<QString, QString>> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            runs.append({it.fragment().text(), nqtext::effectiveFamily(it.fragment().charFormat(), doc)});
    return runs;
}
