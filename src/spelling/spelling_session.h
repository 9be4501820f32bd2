#pragma once
// A walk through a document's flagged words, from a position to the end and then from the start
// back to it, with the commands of the Spelling dialog. No widgets: the dialog shows what it
// finds. Words whose verdict is not known yet are sent to the service and the walk goes on
// when the answers are in, a slice of paragraphs at a time, so a long document never holds
// up the window.

#include <QObject>
#include <QPointer>
#include <QString>

class QTextCursor;
class QTextDocument;

namespace spelling {

class SpellService;

class SpellingSession : public QObject {
    Q_OBJECT
public:
    SpellingSession(QTextDocument& document, SpellService& service, int from, QObject* parent = nullptr);

    // Looks for the next flagged word; answers with found or finished.
    void findNext();

    // The flagged word last found.
    int position() const { return position_; }
    QString word() const { return word_; }

    // Replaces this occurrence / every occurrence in the document (one undo step), then goes on.
    void change(const QString& replacement);
    void changeAll(const QString& replacement);
    // Skips this occurrence / the word for the rest of the run; adds it to the personal
    // dictionary; then goes on.
    void ignore();
    void ignoreAll();
    void addToDictionary();

signals:
    void found(int position, int length, const QString& nqWord);
    void finished();

private:
    void step();
    void resume();
    // Moves a position that lies after `at` by `delta` (text there was replaced).
    void shift(int at, int delta);
    int replace(QTextCursor& cursor, int position, int length, const QString& replacement);

    QPointer<QTextDocument> document_;
    SpellService& service_;
    int origin_ = 0;      // where the walk started, and ends after wrapping
    int next_ = 0;        // where the search goes on
    bool wrapped_ = false;
    bool waiting_ = false;
    bool stepPending_ = false;
    int position_ = -1;
    QString word_;
};

} // namespace spelling
