#pragma once

#include "forms/controldesign.h"

#include <QIcon>
#include <QSize>
#include <QString>

#include <vector>

// The main window's design data: its own settings and its controls, in the
// order the form designer keeps them.
namespace mainwindowdesign {

inline constexpr QSize ClientTwips{7335, 6465};
inline constexpr quint32 Background = 0x00FFC0C0;
inline constexpr int FontPointSize = 12;

QString caption();
QString fontFamily();
QString iconPath();
// The window's icon: the hamburger at one and at two pixels per point.
QIcon icon();
const std::vector<forms::ControlDesign> &controls();

} // namespace mainwindowdesign
