#include "dial/numbertext.h"

#include "dial/dialgeometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace dial {

namespace {

// 15 significant digits is what a double can always carry through text and
// back to the same digits.
constexpr int SignificantDigits = 15;
constexpr int ShownDecimals = 2;

// Text in C notation with the locale's decimal separator: the digits stay
// ASCII whatever the locale.
QString withDecimalPoint(QString text, const QLocale &locale)
{
    const QString point = locale.decimalPoint();
    if (point != "."_L1)
        text.replace(u'.', point);
    return text;
}

} // namespace

QString numberToText(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    return withDecimalPoint(QLocale::c().toString(value, 'G', SignificantDigits), locale);
}

std::optional<float> textToSingle(const QString &text, const QLocale &locale)
{
    QString plain = text.trimmed();
    const QString point = locale.decimalPoint();
    if (point != "."_L1) {
        // A '.' where ',' is expected is another locale's notation.
        if (plain.contains(u'.'))
            return std::nullopt;
        plain.replace(point, "."_L1);
    }

    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(plain, &ok);
    if (!ok || !std::isfinite(value) || std::fabs(value) > double(std::numeric_limits<float>::max()))
        return std::nullopt;
    return float(value);
}

PointText PointText::of(QPointF point, const QLocale &locale)
{
    return {numberToText(point.x(), locale), numberToText(point.y(), locale)};
}

std::optional<QPointF> PointText::read(const QLocale &locale) const
{
    const std::optional<float> left = textToSingle(x, locale);
    const std::optional<float> top = textToSingle(y, locale);
    if (!left || !top)
        return std::nullopt;
    return QPointF(*left, *top);
}

QString angleText(double degrees, const QLocale &locale)
{
    const QLocale c = QLocale::c();
    QString text = c.toString(degrees, 'f', ShownDecimals);
    const double shown = c.toDouble(text);
    const std::array<double, Hours> edges = sectorEdges();
    if (shown != degrees && std::find(edges.begin(), edges.end(), shown) != edges.end())
        text = c.toString(degrees, 'g', QLocale::FloatingPointShortest);
    return u"a = %1°"_s.arg(withDecimalPoint(text, locale));
}

QString numeral(int hour)
{
    static const std::array<QString, Hours> numerals = {u"I"_s,   u"II"_s,   u"III"_s, u"IV"_s, u"V"_s,  u"VI"_s,
                                                        u"VII"_s, u"VIII"_s, u"IX"_s,  u"X"_s,  u"XI"_s, u"XII"_s};
    return numerals.at(hour - 1);
}

QString hourWords(int hour)
{
    // Bulgarian counts one hour in the singular, every other in the counting form.
    return hour == 1 ? u"1 час"_s : u"%1 часа"_s.arg(hour);
}

QString hourName(int hour)
{
    return u"%1 (%2)"_s.arg(hourWords(hour), numeral(hour));
}

QString wholeDegreesText(double degrees)
{
    return u"%1°"_s.arg(qRound(degrees) % qRound(FullTurn)); // 359.6° is 0°, as it points
}

} // namespace dial
