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
    const QString dial = u"Picture1"_qs;
    const quint32 dialBackground = 0x00FF8080;
    const quint32 headingBackground = 0x0080C0FF;

    return {
        // Where the hour points' X and Y are kept as text.
        {.name = u"List1"_qs, .index = 4, .kind = Kind::ListBox, .twips = {4560, 1440, 975, 2055}, .visible = false},
        {.name = u"List1"_qs, .index = 3, .kind = Kind::ListBox, .twips = {3960, 1440, 975, 2055}, .visible = false},
        {.name = u"Timer1"_qs, .kind = Kind::Timer, .visible = false, .interval = 100},
        {.name = u"Text1"_qs, .kind = Kind::TextBox, .twips = {120, 4560, 7095, 1815},
         .text = resourceText(u":/description.txt"_qs), .accessibleName = u"Описание на упражнението"_qs},
        {.name = u"List1"_qs, .index = 2, .kind = Kind::ListBox, .twips = {4440, 3960, 975, 915}, .visible = false,
         .items = {u"I"_qs, u"II"_qs, u"III"_qs, u"IV"_qs, u"V"_qs, u"VI"_qs, u"VII"_qs, u"VIII"_qs, u"IX"_qs,
                   u"X"_qs, u"XI"_qs, u"XII"_qs}},
        {.name = u"List1"_qs, .index = 1, .kind = Kind::ListBox, .twips = {5280, 840, 975, 2055}, .items = hourRows(),
         .accessibleName = u"Час"_qs},
        {.name = dial, .kind = Kind::PictureBox, .twips = {120, 480, 4000, 4000}, .background = dialBackground,
         .accessibleName = u"Циферблат"_qs},
        {.name = u"Picture3"_qs, .index = 0, .kind = Kind::Picture, .container = dial, .twips = {0, 0, 495, 495},
         .visible = false, .text = iconPath(), .accessibleName = u"Маркер на избрания час"_qs},
        {.name = u"Label2"_qs, .index = 0, .kind = Kind::Label, .container = dial, .twips = {600, 0, 495, 375},
         .visible = false, .background = dialBackground, .text = u"0"_qs},
        {.name = u"Label1"_qs, .index = 2, .kind = Kind::Label, .twips = {840, 0, 5535, 375},
         .background = headingBackground, .text = u"Ravelinta"_qs},
        {.name = u"Label1"_qs, .index = 0, .kind = Kind::Label, .twips = {5280, 480, 975, 405},
         .background = headingBackground, .text = u"Час"_qs},
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

QIcon icon()
{
    // Title bars and task bars want at most 64 pixels; the larger drawings
    // are installed for the desktop's menus. Each file added here is decoded
    // at start-up, so only these two.
    QIcon icon;
    icon.addFile(u":/hamburger.png"_qs);
    icon.addFile(u":/hamburger@2x.png"_qs);
    return icon;
}

const std::vector<forms::ControlDesign> &controls()
{
    static const std::vector<forms::ControlDesign> design = build();
    return design;
}

} // namespace mainwindowdesign
