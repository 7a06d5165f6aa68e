#pragma once

#include <QLocale>
#include <QPointF>
#include <QTest>
#include <QObject>

// Makes `locale` the user's locale for the lifetime of this object.
class LocaleScope
{
public:
    explicit LocaleScope(const QLocale &locale) { QLocale::setDefault(locale); }
    ~LocaleScope() { QLocale::setDefault(m_saved); }
    LocaleScope(const LocaleScope &) = delete;
    LocaleScope &operator=(const LocaleScope &) = delete;

private:
    QLocale m_saved;
};

// The hour points in dial units, 1 to 12, as the exercise gives them.
inline constexpr QPointF HourPoints[12] = {{700, 153.59}, {846.41, 300}, {900, 500},    {846.41, 700},
                                           {700, 846.41}, {500, 900},    {300, 846.41}, {153.59, 700},
                                           {100, 500},    {153.59, 300}, {300, 153.59}, {500, 100}};

// The window's dial as the screen shows it: 263 pixels for 1000 units,
// inside a 2-pixel border at (8, 32).
inline constexpr QPoint DialOrigin{8 + 2, 32 + 2};
inline constexpr int DialPixels = 263;
inline QPointF dialPixels(QPointF units)
{
    return units * (double(DialPixels) / 1000);
}

// A named control of `window`; the test fails hard when there is none.
template <class T = QWidget>
T *control(const QObject &window, const QString &name)
{
    auto *found = window.findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}
