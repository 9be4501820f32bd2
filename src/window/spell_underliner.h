#pragma once
// The red wave under flagged words. It is an extra selection of the editor, drawn over the
// text: never part of the document, its undo history or the saved file. Only the paragraphs in
// view are looked at, so a long document costs no more than a short one; words not known yet
// are asked of the service and underlined when its answer comes.

#include <QObject>
#include <QTimer>

namespace editor { class RichTextBox; }
namespace spelling { class SpellService; }

namespace window {

class SpellUnderliner : public QObject {
    Q_OBJECT
public:
    SpellUnderliner(editor::RichTextBox& editor, spelling::SpellService& service, QObject* parent = nullptr);

    void setEnabled(bool on);
    bool isEnabled() const { return enabled_; }

    // Redraws the waves now (normally after a short pause once the text or view changed).
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void schedule();

    editor::RichTextBox& editor_;
    spelling::SpellService& service_;
    QTimer timer_;
    bool enabled_ = false;
};

} // namespace window
