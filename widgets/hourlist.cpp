#include "widgets/hourlist.h"

#include "widgets/scaledrowdelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScroller>

#include <utility>

HourList::HourList(QWidget *parent)
    : QListView(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows = new ScaledRowDelegate(this);
    setItemDelegate(m_rows);
    // A finger that slides scrolls the rows, with a flick, as a tablet's
    // lists do; a tap chooses as a click does.
    QScroller::grabGesture(viewport(), QScroller::TouchGesture);
    keepChoiceMarked();
}

void HourList::setModel(QAbstractItemModel *model)
{
    QListView::setModel(model);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (currentRow() >= 0 && !m_pressed)
            choose();
    });
}

void HourList::choose()
{
    emit chosen(currentRow(), !m_stepping);
}

void HourList::setRowScale(qreal scale)
{
    if (qFuzzyCompare(scale, m_rows->scale()))
        return;
    m_rows->setScale(scale);
    scheduleDelayedItemsLayout(); // the rows measured again
}

int HourList::currentRow() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void HourList::changeEvent(QEvent *event)
{
    QListView::changeEvent(event);
    // A new theme brings its own unfocused colours back.
    if (event->type() == QEvent::PaletteChange)
        keepChoiceMarked();
}

void HourList::keepChoiceMarked()
{
    // A view that has lost the focus draws its selection in the inactive
    // colours, which Windows makes a light grey that a projector washes out:
    // the chosen hour must stay plain to see while the pupil reads on.
    QPalette colours = palette();
    bool changed = false;
    for (const QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        const QBrush active = colours.brush(QPalette::Active, role);
        if (colours.brush(QPalette::Inactive, role) != active) {
            colours.setBrush(QPalette::Inactive, role, active);
            changed = true;
        }
    }
    if (changed)
        setPalette(colours); // raises PaletteChange once more, which then changes nothing
}

QModelIndex HourList::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Qt's view goes to the first row on any key while nothing is chosen;
    // a list box goes where the key says.
    if (currentRow() < 0 && model() && model()->rowCount(rootIndex()) > 0) {
        const QModelIndex first = model()->index(0, modelColumn(), rootIndex());
        switch (action) {
        case MoveEnd:
            return model()->index(model()->rowCount(rootIndex()) - 1, modelColumn(), rootIndex());
        case MovePageDown:
            selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
            return QListView::moveCursor(action, modifiers);
        default:
            return first;
        }
    }
    return QListView::moveCursor(action, modifiers);
}

QItemSelectionModel::SelectionFlags HourList::selectionCommand(const QModelIndex &index, const QEvent *event) const
{
    // Ctrl toggles in Qt's single-selection views; a single-choice list
    // keeps its choice.
    const QItemSelectionModel::SelectionFlags command = QListView::selectionCommand(index, event);
    if (command & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return QItemSelectionModel::ClearAndSelect;
    return command;
}

void HourList::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    // Tabbing into the list must not mark a row: nothing is chosen until the
    // user chooses.
    if (!hadCurrent && currentRow() < 0)
        selectionModel()->clearCurrentIndex();
}

void HourList::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && currentRow() >= 0) {
        choose(); // the chosen row, chosen again
        event->accept();
        return;
    }
    m_pressed = false; // a press whose release went elsewhere (a menu) is over
    const QScopedValueRollback stepping(m_stepping, true);
    QListView::keyPressEvent(event);
}

namespace {

// A press that Qt or the system made from a finger's touch.
bool fromFinger(const QMouseEvent &event)
{
    return event.source() != Qt::MouseEventNotSynthesized;
}

} // namespace

void HourList::mousePressEvent(QMouseEvent *event)
{
    // Only the left button chooses, on every row alike; a finger chooses
    // when it is lifted without having slid (see tap).
    if (event->button() != Qt::LeftButton || fromFinger(*event)) {
        m_touchedAt = event->position().toPoint();
        event->accept();
        return;
    }
    m_pressed = true;
    m_rowAtPress = currentRow();
    QListView::mousePressEvent(event);
}

void HourList::mouseMoveEvent(QMouseEvent *event)
{
    // A finger's slide is the scroller's.
    if ((event->buttons() & Qt::LeftButton) && !fromFinger(*event))
        QListView::mouseMoveEvent(event);
}

void HourList::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (fromFinger(*event)) {
        tap(event->position().toPoint());
        return;
    }
    QListView::mouseReleaseEvent(event);
    // The row the press ends on, once, whether the mark moved there or
    // stayed; a press that ends off the rows chooses where the mark went.
    const bool onRow = indexAt(event->position().toPoint()).isValid();
    if (std::exchange(m_pressed, false) && currentRow() >= 0 && (onRow || currentRow() != m_rowAtPress))
        choose();
}

void HourList::tap(QPoint at)
{
    // Lifted where it went down, the finger tapped: the row under it is
    // chosen, as a click chooses it; one that slid has scrolled the rows.
    const QModelIndex row = indexAt(at);
    if (!row.isValid() || (at - m_touchedAt).manhattanLength() > QApplication::startDragDistance())
        return;
    if (row.row() == currentRow())
        choose();
    else
        selectionModel()->setCurrentIndex(row, QItemSelectionModel::ClearAndSelect);
}

void HourList::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QListView::mouseDoubleClickEvent(event);
}
