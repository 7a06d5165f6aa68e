#include "app/controls.h"

#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>

using namespace Qt::StringLiterals;

void setColour(QWidget &widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

void setBackground(QWidget &widget, quint32 bgr)
{
    setColour(widget, QPalette::Window, QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)));
    widget.setAutoFillBackground(true);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, quint32 bgr)
{
    auto *label = new QLabel(text, parent);
    dressLabel(*label, name, bgr);
    return label;
}

void dressLabel(QLabel &label, const QString &name, quint32 bgr)
{
    label.setObjectName(name);
    label.setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackground(label, bgr);
    setColour(label, QPalette::WindowText, Qt::black);
}

namespace {

// The drawings of one picture, each at its size.
QIcon icon(std::initializer_list<std::pair<int, const char16_t *>> drawings)
{
    QIcon icon;
    for (const auto &[size, file] : drawings)
        icon.addFile(QString::fromUtf16(file), QSize(size, size));
    return icon;
}

} // namespace

QIcon applicationIcon()
{
    // Title bars, task bars and switchers want 16 to 64 pixels, each drawn at its size.
    return icon({{16, u":/hamburger-16.png"}, {32, u":/hamburger.png"}, {48, u":/hamburger-48.png"},
                 {64, u":/hamburger-64.png"}});
}

QIcon markerIcon()
{
    // The icon takes the smallest drawing at least as large as it is asked
    // for and scales it down, never a small one up.
    return icon({{32, u":/hamburger.png"}, {64, u":/hamburger-64.png"}, {128, u":/hamburger-128.png"},
                 {256, u":/hamburger-256.png"}});
}

QFont designFont(int points)
{
    // Where Times New Roman is missing, its metric twin keeps every text's size.
    if (QFont::substitutes(u"Times New Roman"_s).isEmpty())
        QFont::insertSubstitution(u"Times New Roman"_s, u"Liberation Serif"_s);
    QFont font(u"Times New Roman"_s, points);
    font.setWeight(QFont::Normal);
    return font;
}

QPlainTextEdit *makeDescription(QWidget *parent)
{
    QFile file(u":/description.txt"_s);
    file.open(QIODevice::ReadOnly); // built into the program
    auto *text = new QPlainTextEdit(QString::fromUtf8(file.readAll()), parent);
    text->setObjectName(u"Text1"_s);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text->setReadOnly(true);
    // A caret, so that the arrow keys move through it line by line and a
    // screen reader reads the line they reach.
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text->setAccessibleName(u"Описание на упражнението"_s);
    return text;
}
