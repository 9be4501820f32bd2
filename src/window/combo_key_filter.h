#pragma once
// Keys of the font-name and size lists that must not act there: the window's menu
// shortcuts win over the list's own editing keys (Ctrl+A is About, not Select All), and
// Enter does not pick an entry, so typing a size changes nothing until one is chosen.

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace window {

class ComboKeyFilter : public QObject {
    Q_OBJECT
public:
    ComboKeyFilter(QList<QKeySequence> windowShortcuts, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QKeySequence> windowShortcuts_;
};

} // namespace window
