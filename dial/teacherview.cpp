#include "dial/teacherview.h"

#include "dial/dialgeometry.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace dial {

namespace {

constexpr int ShownDecimals = 2;

} // namespace

std::array<double, 12> sectorEdges()
{
    std::array<double, Hours> edges{};
    for (int k = 0; k < Hours; ++k)
        edges[k] = centralAngle() / 2 + centralAngle() * k;
    return edges;
}

std::array<double, 2> sectorEdgesOf(int hour)
{
    const auto turn = [](double degrees) { return std::fmod(degrees + 2 * FullTurn, FullTurn); };
    const double middle = TwelveOClock - centralAngle() * hour;
    return {turn(middle - centralAngle() / 2), turn(middle + centralAngle() / 2)};
}

double centralAngle()
{
    return 360.0 / Hours;
}

double interiorAngle()
{
    return (Hours - 2) * 180.0 / Hours;
}

QString angleText(double degrees, const QLocale &locale)
{
    const QLocale c = QLocale::c();
    QString text = c.toString(degrees, 'f', ShownDecimals);
    const double shown = c.toDouble(text);
    const std::array<double, Hours> edges = sectorEdges();
    if (shown != degrees && std::find(edges.begin(), edges.end(), shown) != edges.end())
        text = c.toString(degrees, 'g', QLocale::FloatingPointShortest);
    const QString point = locale.decimalPoint();
    if (point != "."_L1)
        text.replace(u'.', point);
    return u"a = %1°"_s.arg(text);
}

} // namespace dial
