#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The conversions between numbers and text that the program relies on when
// it stores coordinates as list items and reads them back.
namespace dial {

// At most 15 significant digits, no trailing zeros, no group separators, an
// exponent only for very large or very small magnitudes, and the locale's
// decimal separator. Digits are always ASCII, whatever the locale, so the
// text means the same number to every reader.
QString numberToText(double value, const QLocale &locale = QLocale());

// The counterpart of numberToText with the same locale. Text that is not a
// number in that notation, or lies outside the single-precision range, has
// no value: it is never read as some other number.
std::optional<float> textToSingle(const QString &text, const QLocale &locale = QLocale());

// An hour in words, as a sentence needs it: "1 час", "2 часа", ... "12 часа".
QString hourWords(int hour);

// A direction in whole degrees, "158°": how a task tells a pupil where an
// arrow points.
QString wholeDegreesText(double degrees);

} // namespace dial
