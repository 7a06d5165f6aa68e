#pragma once

#include <QListView>

class ScaledRowDelegate;

// The hour list: a single-choice list of text rows that acts like a native
// list box. Keyboard focus coming in selects nothing, and from there each
// key goes where it says (End to the last row). Only the left button
// chooses; a choice is never taken back, not even with Ctrl. `chosen` is
// raised whenever the user chooses a row, including a press on the row that
// is already chosen, or Space or Enter on it, so choosing the same row
// again acts again. A press chooses where it ends: a drag across the rows
// moves the mark along and chooses once, on release. The chosen row keeps
// its focused colours when the focus moves on.
class HourList : public QListView
{
    Q_OBJECT

public:
    explicit HourList(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // The selected row counted from 0, or -1 when none is selected.
    int currentRow() const;
    // Rows `scale` times as tall as the type makes them, for a finger.
    void setRowScale(qreal scale);

signals:
    // The user chose `row`; `answers` unless a key other than Space or
    // Enter only moved the choice there, passing over it.
    void chosen(int row, bool answers);

protected:
    void changeEvent(QEvent *event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void keepChoiceMarked();
    void choose();
    void tap(QPoint at);

    bool m_stepping = false; // a key moves the choice
    bool m_pressed = false;  // the left button is down on the list: the choice comes on release
    int m_rowAtPress = -1;
    ScaledRowDelegate *m_rows = nullptr;
    QPoint m_touchedAt;     // where a finger went down: a tap chooses there, a slide scrolls
};
