#include "forms/controlcopy.h"

#include <QLabel>

namespace forms {

void copyControl(const QLabel &from, QLabel &to)
{
    to.setGeometry(from.geometry());
    to.setPalette(from.palette());
    to.setAutoFillBackground(from.autoFillBackground());
    to.setFont(from.font());
    to.setAlignment(from.alignment());
    to.setAttribute(Qt::WA_NoMousePropagation, from.testAttribute(Qt::WA_NoMousePropagation));
    to.setAccessibleName(from.accessibleName());
    to.setPixmap(from.pixmap());
    if (from.pixmap().isNull())
        to.setText(from.text());
}

} // namespace forms
