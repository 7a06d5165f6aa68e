#include "widgets/scaledrowdelegate.h"

ScaledRowDelegate::ScaledRowDelegate(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

QSize ScaledRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QSize styled = QStyledItemDelegate::sizeHint(option, index);
    return {styled.width(), qRound(styled.height() * m_scale)};
}
