#include "forms/conversions.h"

#include "forms/runtimeerror.h"

#include <cmath>
#include <limits>

namespace forms {

namespace {

// 15 significant digits is what a double can always carry through text and
// back to the same digits.
constexpr int SignificantDigits = 15;

} // namespace

QString numberToText(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("number to text"));
    if (value == 0.0)
        value = 0.0; // no "-0"

    QString text = QLocale::c().toString(value, 'G', SignificantDigits);
    const QString point = locale.decimalPoint();
    if (point != QLatin1String("."))
        text.replace(QLatin1Char('.'), point);
    return text;
}

float textToSingle(const QString &text, const QLocale &locale)
{
    QString plain = text.trimmed();
    const QString point = locale.decimalPoint();
    // A text in another locale's notation (a '.' where ',' is expected) is a
    // mismatch, not a number with its fraction dropped.
    if (point != QLatin1String(".")) {
        if (plain.contains(QLatin1Char('.')))
            raiseRuntimeError(RuntimeError::TypeMismatch, QStringLiteral("\"%1\" is not a number").arg(text));
        plain.replace(point, QStringLiteral("."));
    }

    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(plain, &ok);
    if (!ok || !std::isfinite(value))
        raiseRuntimeError(RuntimeError::TypeMismatch, QStringLiteral("\"%1\" is not a number").arg(text));
    if (std::fabs(value) > double(std::numeric_limits<float>::max()))
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("\"%1\" does not fit a single").arg(text));
    return float(value);
}

} // namespace forms
