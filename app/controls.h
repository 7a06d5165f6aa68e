#pragma once

#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QRect>
#include <QString>
#include <QStringList>

class QLabel;
class QPlainTextEdit;
class QWidget;
class QObject;

// The pieces the window is built from, as its design describes them.

void setColour(QWidget &widget, QPalette::ColorRole role, const QColor &colour);
// A background in the design's colour notation, 0x00BBGGRR.
void setBackground(QWidget &widget, quint32 bgr);

// A caption on a coloured ground. The ground is fixed, so the text is too:
// a dark theme's light text would be unreadable on it.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, quint32 bgr);
// The same for a label made elsewhere.
void dressLabel(QLabel &label, const QString &name, quint32 bgr);

// The hamburger as a window icon (16 to 64 pixels) and as the marker's
// picture (32 to 256 pixels, for every zoom).
QIcon applicationIcon();
QIcon markerIcon();

// Times New Roman, or where it is missing its metric twin, Liberation Serif.
QFont designFont(int points);

// The description of the exercise, read-only, with a caret for the keys and
// a screen reader.
QPlainTextEdit *makeDescription(QWidget *parent);
