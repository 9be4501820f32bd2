#pragma once
// Stretches of a QTextDocument in one character format, for the conversions that rewrite
// some runs and keep the rest.

#include <QList>
#include <QString>
#include <QTextCharFormat>
#include <functional>

class QTextBlock;
class QTextCursor;
class QTextDocument;

namespace nqtext {

// A stretch of one block in one format, or several that must convert together.
struct Run {
    int start = 0;
    int end = 0;
    QTextCharFormat format;
    QString text;
};

// The runs of `block` between document positions `from` and `to`.
QList<Run> runsOf(const QTextBlock& block, int from, int to);

// Replaces each run through `replace`, from the last to the first so that positions stay
// valid; the cursor selects the run.
void replaceRuns(QTextDocument& document, const QList<Run>& runs,
                 const std::function<void(QTextCursor&, const Run&)>& replace);

QTextCharFormat withFamily(QTextCharFormat format, const QString& family);

} // namespace nqtext
