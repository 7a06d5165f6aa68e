#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

#include <optional>

namespace forms {

// One control of a form's design data, as the form designer keeps it:
// positions and sizes in twips, colours as 0x00BBGGRR.
struct ControlDesign
{
    enum class Kind { ListBox, TextBox, PictureBox, Picture, Label, Timer };

    QString name;
    qint16 index = -1;              // -1: not an element of a control array
    Kind kind = Kind::Label;
    QString container;              // empty: the form itself
    QRect twips;
    bool visible = true;
    std::optional<quint32> background;
    QString text;                   // caption, text box contents or resource path of a picture
    QStringList items;              // list box rows
    int interval = 0;               // timer period in milliseconds
    QString accessibleName;         // what a screen reader calls it
};

} // namespace forms
