#include "dial/numbertext.h"

#include "dial/dialgeometry.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace dial {

namespace {

// 15 significant digits is what a double can always carry through text and
// back to the same digits.
constexpr int SignificantDigits = 15;

} // namespace

QString numberToText(double value, const QLocale &locale)
{
    if (value == 0.0)
        value = 0.0; // no "-0"
    QString text = QLocale::c().toString(value, 'G', SignificantDigits);
    const QString point = locale.decimalPoint();
    if (point != "."_L1)
        text.replace(u'.', point);
    return text;
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

QString hourWords(int hour)
{
    // Bulgarian counts one hour in the singular, every other in the counting form.
    return hour == 1 ? u"1 час"_s : u"%1 часа"_s.arg(hour);
}

QString wholeDegreesText(double degrees)
{
    return u"%1°"_s.arg(qRound(degrees) % qRound(FullTurn)); // 359.6° is 0°, as it points
}

} // namespace dial
