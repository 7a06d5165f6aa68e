#pragma once

#include <QAccessibleInterface>

class ClockDial;

// One item of the dial for a screen reader: a place a choice can land, with
// its spoken name, where it lies on the screen, and whether it is the
// current choice. It has no widget of its own.
class DialItemAccessible : public QAccessibleInterface
{
public:
    // The item at `index` of `dial`, the dial's own accessible view.
    DialItemAccessible(QAccessibleInterface *dial, int index);
    Q_DISABLE_COPY(DialItemAccessible)

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override;

private:
    ClockDial *clockDial() const;

    QAccessibleInterface *m_dial = nullptr;
    int m_index = 0;
};
