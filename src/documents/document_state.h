#pragma once
// The state of the one open document: whether it may hold unsaved changes, the path of
// its file, and the window caption that names it.

#include "product/product.h"

#include <QObject>
#include <QString>

class DocumentState : public QObject {
    Q_OBJECT
public:
    // docstate values. Only the empty text (Changed) is ever tested for.
    static inline const QString kFresh = QStringLiteral("notempty");
    static inline const QString kChanged = QString();
    static inline const QString kSettled = QStringLiteral("full");

    // Caption labels; they differ only in their trailing blanks.
    static inline const QString kUnsavedLabel = QStringLiteral("This is an unsaved Document");
    static inline const QString kTitle = QStringLiteral(" " NORVELIN_PRODUCT_NAME "   ");       // start-up, New, Save As
    static inline const QString kOpenTitle = QStringLiteral(" " NORVELIN_PRODUCT_NAME "  ");    // Open
    static inline const QString kSaveTitle = QStringLiteral(" " NORVELIN_PRODUCT_NAME " ");     // Save

    explicit DocumentState(QObject* parent = nullptr);

    QString docstate = kFresh;
    QString docpath;

    bool isChanged() const { return docstate.isEmpty(); }

    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

signals:
    void captionChanged(const QString& caption);

private:
    QString caption_;
};
