#include "widgets/hourlist.h"

#include <QMouseEvent>

HourList::HourList(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void HourList::setModel(QAbstractItemModel *model)
{
    QListView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (ListIndex() >= 0)
            emit Click();
    });
}

int HourList::ListIndex() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void HourList::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    // Tabbing into the list must not mark a row: the first arrow key then
    // selects row 0, and nothing is chosen until the user chooses.
    if (!hadCurrent && ListIndex() < 0)
        selectionModel()->clearCurrentIndex();
}

void HourList::mousePressEvent(QMouseEvent *event)
{
    const int before = ListIndex();
    QListView::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && before >= 0 && pressed.isValid() && pressed.row() == before
        && ListIndex() == before)
        emit Click();
}
