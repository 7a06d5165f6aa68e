#pragma once

#include <QListView>

// The hour list: a single-choice list of text rows that acts like a native
// list box. Keyboard focus coming in selects nothing; Click is raised
// whenever the user selects a row, by mouse or keyboard, including a press
// on the row that is already selected, so choosing the same row again acts
// again.
class HourList : public QListView
{
    Q_OBJECT

public:
    explicit HourList(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    // The selected row counted from 0, or -1 when none is selected.
    int ListIndex() const;

signals:
    void Click();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};
