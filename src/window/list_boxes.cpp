#include "window/list_boxes.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QStyle>

namespace list_boxes {

void applyOnlyChosenEntries(QComboBox* box)
{
    if (QLineEdit* edit = box->lineEdit())
        QObject::disconnect(edit, &QLineEdit::editingFinished, box, nullptr);
}

void widenPopupToEntries(QComboBox* box)
{
    QAbstractItemView* view = box->view();
    const int frame = 2 * view->frameWidth();
    const int scrollBar = box->count() > box->maxVisibleItems()
        ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view)
        : 0;
    view->setMinimumWidth(view->sizeHintForColumn(0) + frame + scrollBar);
}

void showEntryOr(QComboBox* box, const QString& text, const QString& fallback)
{
    const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(fallback);
}

} // namespace list_boxes
