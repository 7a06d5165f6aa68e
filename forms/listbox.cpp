#include "forms/listbox.h"

#include "forms/runtimeerror.h"

#include <QMouseEvent>

namespace forms {

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (ListIndex() >= 0)
            emit Click();
    });
}

void ListBox::AddItem(const QString &text)
{
    if (count() >= std::numeric_limits<qint16>::max())
        raiseRuntimeError(RuntimeError::Overflow, objectName());
    addItem(text);
}

QString ListBox::List(qint16 index) const
{
    const QListWidgetItem *row = item(index);
    if (!row)
        raiseRuntimeError(RuntimeError::InvalidPropertyArrayIndex,
                          QStringLiteral("%1.List(%2)").arg(objectName()).arg(index));
    return row->text();
}

qint16 ListBox::ListIndex() const
{
    const QList<QListWidgetItem *> selected = selectedItems();
    return selected.isEmpty() ? qint16(-1) : qint16(row(selected.first()));
}

void ListBox::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    // Tabbing into the list must not mark a row: the first arrow key then
    // selects row 0, and nothing is chosen until the user chooses.
    if (!hadCurrent && ListIndex() < 0)
        selectionModel()->clearCurrentIndex();
}

void ListBox::mousePressEvent(QMouseEvent *event)
{
    const qint16 before = ListIndex();
    QListWidget::mousePressEvent(event);
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && before >= 0 && pressed.isValid()
        && pressed.row() == before && ListIndex() == before)
        emit Click();
}

} // namespace forms
