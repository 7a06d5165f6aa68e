#include "app/mainwindowdesign.h"

#include "forms/runtimeerror.h"

#include <QFile>

namespace mainwindowdesign {

namespace {

QString resourceText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        forms::raiseRuntimeError(forms::RuntimeError::TypeMismatch, QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(file.readAll());
}

QStringList hourRows()
{
    QStringList rows;
    for (int hour = 1; hour <= 12; ++hour)
        rows << QString::number(hour);
    return rows;
}

std::vector<forms::ControlDesign> build()
{
    using Kind = forms::ControlDesign::Kind;
    const QString window;
    const QString dial = QStringLiteral("Picture1");
    const quint32 dialBackground = 0x00FF8080;
    const quint32 headingBackground = 0x0080C0FF;

    return {
        // Where the hour points' X and Y are kept as text.
        {QStringLiteral("List1"), 4, Kind::ListBox, window, {4560, 1440, 975, 2055}, false, {}, {}, {}, 0},
        {QStringLiteral("List1"), 3, Kind::ListBox, window, {3960, 1440, 975, 2055}, false, {}, {}, {}, 0},
        {QStringLiteral("Timer1"), -1, Kind::Timer, window, {}, false, {}, {}, {}, 100},
        {QStringLiteral("Text1"), -1, Kind::TextBox, window, {120, 4560, 7095, 1815}, true, {},
         resourceText(QStringLiteral(":/description.txt")), {}, 0},
        {QStringLiteral("List1"), 2, Kind::ListBox, window, {4440, 3960, 975, 915}, false, {}, {},
         {QStringLiteral("I"), QStringLiteral("II"), QStringLiteral("III"), QStringLiteral("IV"),
          QStringLiteral("V"), QStringLiteral("VI"), QStringLiteral("VII"), QStringLiteral("VIII"),
          QStringLiteral("IX"), QStringLiteral("X"), QStringLiteral("XI"), QStringLiteral("XII")}, 0},
        {QStringLiteral("List1"), 1, Kind::ListBox, window, {5280, 840, 975, 2055}, true, {}, {}, hourRows(), 0},
        {dial, -1, Kind::PictureBox, window, {120, 480, 4000, 4000}, true, dialBackground, {}, {}, 0},
        {QStringLiteral("Picture3"), 0, Kind::Picture, dial, {0, 0, 495, 495}, false, {}, iconPath(), {}, 0},
        {QStringLiteral("Label2"), 0, Kind::Label, dial, {600, 0, 495, 375}, false, dialBackground,
         QStringLiteral("0"), {}, 0},
        {QStringLiteral("Label1"), 2, Kind::Label, window, {840, 0, 5535, 375}, true, headingBackground,
         QStringLiteral("Ravelinta"), {}, 0},
        {QStringLiteral("Label1"), 0, Kind::Label, window, {5280, 480, 975, 405}, true, headingBackground,
         QStringLiteral("Час"), {}, 0},
    };
}

} // namespace

QString caption()
{
    return QStringLiteral("ravelinta.org Позиция:  правилен N-ъгълник");
}

QString fontFamily()
{
    return QStringLiteral("Times New Roman");
}

QString iconPath()
{
    return QStringLiteral(":/hamburger.png");
}

const std::vector<forms::ControlDesign> &controls()
{
    static const std::vector<forms::ControlDesign> design = build();
    return design;
}

} // namespace mainwindowdesign
