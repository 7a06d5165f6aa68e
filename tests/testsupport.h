#pragma once

#include <QLocale>
#include <QPointF>
#include <QTest>
#include <QObject>
#include <QRect>
#include <QStringView>

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

// The window and its controls at 100 %, in logical pixels in the window:
// the one table of the design that every test reads.
inline constexpr QSize WindowSize{489, 431};
struct DesignedControl
{
    const char16_t *name;
    QRect rect;
    bool shown; // at start
};
inline constexpr DesignedControl Design[] = {
    {u"Text1", QRect(8, 304, 473, 121), true},       {u"List1(1)", QRect(352, 56, 65, 137), true},
    {u"Picture1", QRect(8, 32, 267, 267), true},      {u"Picture3(0)", QRect(10, 34, 33, 33), false},
    {u"Label2(0)", QRect(50, 34, 33, 25), false},     {u"Label1(2)", QRect(56, 0, 369, 25), true},
    {u"Label1(0)", QRect(352, 32, 65, 27), true}};
inline QRect designed(QStringView name)
{
    for (const DesignedControl &control : Design) {
        if (name == control.name)
            return control.rect;
    }
    qFatal("no control %s in the design", qPrintable(name.toString()));
}

// The window's dial as the screen shows it: 263 pixels for 1000 units,
// inside its 2-pixel border.
inline constexpr QPoint DialOrigin = Design[2].rect.topLeft() + QPoint(2, 2);
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

