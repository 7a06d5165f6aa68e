#pragma once

#include <QStyledItemDelegate>

// Draws a list's rows as the style does, each `scale` times as tall, its
// text centred in the height: rows a fingertip can hit, in the same type.
class ScaledRowDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit ScaledRowDelegate(QObject *parent = nullptr);

    qreal scale() const { return m_scale; }
    void setScale(qreal scale) { m_scale = scale; }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    qreal m_scale = 1;
};
