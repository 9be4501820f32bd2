#pragma once
// What a person reads in a window: the texts of its widgets, items and actions, and the
// Latin words among them that are not names.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QTabBar>
#include <QTextDocument>
#include <QWidget>

namespace interface_texts {

struct Text {
    QString where;
    QString text;
};

inline QString nameOf(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className()) + u' ' + object->objectName();
}

inline void addText(QList<Text>& texts, const QObject* object, const char* what, const QString& text)
{
    if (!text.trimmed().isEmpty())
        texts.append({nameOf(object) + u'.' + QLatin1String(what), text});
}

inline void addAction(QList<Text>& texts, const QAction* action)
{
    if (action->isSeparator())
        return;
    addText(texts, action, "text", action->text());
    // Qt derives a tool tip from the text when none is set; that one is the text again.
    addText(texts, action, "toolTip", action->toolTip());
    addText(texts, action, "statusTip", action->statusTip());
    if (action->menu())
        addText(texts, action->menu(), "title", action->menu()->title());
}

// Every text of `root` and the widgets below it, shown or not: captions, tool tips, status
// tips, placeholders, combo-box items (except those of `skipItems`: font names and sizes),
// tab and header captions, actions. Labels holding rich text count by their plain text.
inline QList<Text> collect(QWidget* root, const QList<const QComboBox*>& skipItems = {})
{
    QList<Text> texts;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* w : widgets) {
        if (w->isWindow())
            addText(texts, w, "windowTitle", w->windowTitle());
        addText(texts, w, "toolTip", w->toolTip());
        addText(texts, w, "statusTip", w->statusTip());
        addText(texts, w, "whatsThis", w->whatsThis());
        for (const QAction* action : w->actions())
            addAction(texts, action);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QTextDocument document;
            document.setHtml(label->text());
            addText(texts, w, "text", Qt::mightBeRichText(label->text()) ? document.toPlainText() : label->text());
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            addText(texts, w, "text", button->text());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            addText(texts, w, "title", group->title());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            addText(texts, w, "placeholderText", edit->placeholderText());
        } else if (auto* combo = qobject_cast<QComboBox*>(w); combo && !skipItems.contains(combo)) {
            for (int i = 0; i < combo->count(); ++i)
                addText(texts, w, "item", combo->itemText(i));
        } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i) {
                addText(texts, w, "tab", tabs->tabText(i));
                addText(texts, w, "tabToolTip", tabs->tabToolTip(i));
            }
        } else if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model()) {
            for (int i = 0; i < header->count(); ++i)
                addText(texts, w, "header",
                        header->model()->headerData(i, header->orientation()).toString());
        }
    }
    return texts;
}

// Latin words that are right in any language: the program's and tools' names, font
// families, and a licence's name; kAbbreviations adds formats, standards and codes.
inline const QStringList& allowedNames()
{
    static const QStringList names = [] {
        QStringList list = QFontDatabase::families();
        list << QStringLiteral("SIL Open Font License") << QStringLiteral("norvelin-rtf")
             << QStringLiteral("Norvelin") << QStringLiteral("norvelin") << QStringLiteral("C++");
        // Longest first, so that a family is taken whole before a shorter one inside it.
        std::sort(list.begin(), list.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
        return list;
    }();
    return names;
}

inline const QStringList kAbbreviations = {
    QStringLiteral("NQ"),   QStringLiteral("RTF"), QStringLiteral("PDF"), QStringLiteral("HTML"),
    QStringLiteral("UTF"),  QStringLiteral("Qt"),  QStringLiteral("ANSI"), QStringLiteral("JIS"),
    QStringLiteral("PRC"),  QStringLiteral("US"),  QStringLiteral("DL"),  QStringLiteral("CC"),
    QStringLiteral("DD"),   QStringLiteral("Esc"), QStringLiteral("SIL"),
    // file extensions named as formats
    QStringLiteral("rtf"),  QStringLiteral("txt"), QStringLiteral("html"), QStringLiteral("htm"),
    QStringLiteral("pdf")};

// The words of `text` left in English: Latin words of two letters or more, once mnemonics,
// paths, file patterns, command-line options, codes with digits and the allowed names are
// taken out.
inline QStringList englishWords(QString text)
{
    static const QRegularExpression mnemonic(QStringLiteral("\\(&\\w\\)|&(?=\\S)"));
    static const QRegularExpression path(QStringLiteral("\\S*/\\S*"));
    static const QRegularExpression pattern(QStringLiteral("\\*?\\.[A-Za-z0-9]+\\b"));
    static const QRegularExpression option(QStringLiteral("(?<![\\w-])--?[A-Za-z][-A-Za-z]*"));
    static const QRegularExpression coded(QStringLiteral("\\b\\w*\\d\\w*\\b"));
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    text.remove(mnemonic);
    text.remove(path);
    text.remove(pattern);
    text.remove(option);
    for (const QString& name : allowedNames())
        text.replace(name, QStringLiteral(" "));
    text.remove(coded);
    QStringList words;
    for (auto match = word.globalMatch(text); match.hasNext();) {
        const QString w = match.next().captured();
        if (!kAbbreviations.contains(w))
            words.append(w);
    }
    return words;
}

// "where: text [words]" for every text with English words left; empty when none.
inline QStringList untranslated(const QList<Text>& texts)
{
    QStringList found;
    for (const Text& t : texts) {
        const QStringList words = englishWords(t.text);
        if (!words.isEmpty())
            found << t.where + QStringLiteral(": ") + t.text + QStringLiteral("  [") + words.join(u' ') + u']';
    }
    return found;
}

} // namespace interface_texts
