#pragma once

#include <QColor>

namespace forms {

// Colours in the design data are 0x00BBGGRR, blue in the high byte.
inline QColor oleColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

} // namespace forms
