#pragma once

#include <QLocale>
#include <QString>

namespace forms {

// The conversions between numbers and text that the program relies on when
// it stores coordinates as list items and reads them back.
//
// Number to text: at most 15 significant digits, no trailing zeros, no group
// separators, an exponent only for very large or very small magnitudes, and
// the locale's decimal separator. Digits are always ASCII, whatever the
// locale, so the text means the same number to every reader.
QString numberToText(double value, const QLocale &locale = QLocale());

// Text to single precision, the counterpart of numberToText with the same
// locale. Text that is not a number raises a type-mismatch run-time error;
// a number outside the single-precision range raises an overflow.
float textToSingle(const QString &text, const QLocale &locale = QLocale());

} // namespace forms
