#pragma once

#include <QListWidget>

namespace forms {

// A single-selection list of text rows. Click is raised whenever the user
// selects a row, by mouse or keyboard, including a press on the row that is
// already selected, so choosing the same row again acts again.
class ListBox : public QListWidget
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void AddItem(const QString &text);
    // The text of row `index`; a row that does not exist is a run-time error.
    QString List(qint16 index) const;
    // The selected row counted from 0, or -1 when none is selected.
    qint16 ListIndex() const;

signals:
    void Click();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
};

} // namespace forms
