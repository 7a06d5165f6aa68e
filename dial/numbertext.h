#pragma once

#include <QLocale>
#include <QPointF>
#include <QString>

#include <optional>

// Numbers as the program writes them: the places it stores as text and
// reads back, the angles it shows, the hours it names.
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

// A point kept as two texts in the user's locale, as the dial keeps each
// hour's place; read back, in single precision, when the place is needed.
struct PointText
{
    QString x;
    QString y;

    static PointText of(QPointF point, const QLocale &locale = QLocale());
    // Nothing where either text does not read back as a number.
    std::optional<QPointF> read(const QLocale &locale = QLocale()) const;
};

// "a = 123,69°": two decimals with the locale's separator. Where two
// decimals would put the angle on a sector edge that it is not exactly on,
// it is written in the shortest form that reads back as the same double
// ("a = 45,00000000000004°"), which shows why it fell on its side.
QString angleText(double degrees, const QLocale &locale = QLocale());

// The hour's Roman numeral, "I" to "XII".
QString numeral(int hour);

// An hour in words, as a sentence needs it: "1 час", "2 часа", ... "12 часа".
QString hourWords(int hour);

// An hour as a screen reader says it: "3 часа (III)".
QString hourName(int hour);

// A direction in whole degrees, "158°": how a task tells a pupil where an
// arrow points.
QString wholeDegreesText(double degrees);

} // namespace dial
