#include "app/helpdialog.h"

#include "dial/practiceround.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QScreen>
#include <QScroller>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A page of text: about 48 characters across.
constexpr int WidthInCharacters = 48;
constexpr int HeightInLines = 24;

// Each command that is offered with its keys in the platform's notation, a
// line each: "Увеличи: Ctrl++ или Ctrl+=", heard whole by a screen reader.
QStringList commandLines(const QList<QAction *> &commands)
{
    QStringList lines;
    for (const QAction *command : commands) {
        if (!command->isVisible())
            continue;
        QStringList sequences;
        for (const QKeySequence &sequence : command->shortcuts())
            sequences << sequence.toString(QKeySequence::NativeText);
        lines << u"%1: %2"_s.arg(command->text(), sequences.join(u" или "_s));
    }
    return lines;
}

} // namespace

HelpDialog::HelpDialog(const QList<QAction *> &commands, const QString &menuWays, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"Help"_s);
    setWindowTitle(u"Помощ — Ravelinta"_s);
    // A screen reader says the dialog by this name as it opens, then the text.
    setAccessibleName(u"Помощ"_s);
    // Text, not a label: a screen reader reads it line by line at the caret.
    auto *page = new QTextEdit(this);
    page->setObjectName(u"HelpText"_s);
    page->setAccessibleName(u"Текст на помощта"_s);
    page->setReadOnly(true);
    page->setHtml(text(commands, menuWays));
    // A caret, so that the arrow keys move through it line by line and a
    // screen reader reads each line it reaches.
    page->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    // A finger scrolls it, with a flick, as a tablet's texts scroll, rather
    // than select what it slides over; the mouse still selects.
    QScroller::grabGesture(page->viewport(), QScroller::TouchGesture);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    // The word the window's menu uses for the same command.
    buttons->button(QDialogButtonBox::Close)->setText(u"Затвори"_s);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(page);
    layout->addWidget(buttons);
    page->setFocus();
    // Closed, it gives the keys back to the window it came from: in a web
    // page no window would take them by itself, and every key would be lost.
    if (parent)
        connect(this, &QDialog::finished, parent, [parent] { parent->activateWindow(); });
}

void HelpDialog::fitText()
{
    const QFontMetrics metrics(font());
    const QSize page(metrics.averageCharWidth() * WidthInCharacters, metrics.lineSpacing() * HeightInLines);
    // Never larger than the screen, frame and button included (a page on
    // a tablet at a large zoom): the text scrolls instead.
    create();
    const QMargins frame = windowHandle()->frameMargins();
    const QSize room = screen()->availableGeometry().size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    resize(page.boundedTo(room));
}

void HelpDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Centred over the window, it may reach past the screen's edge where it
    // is as large as the screen: it is moved wholly onto it.
    const QRect room = screen()->availableGeometry();
    const QRect frame = frameGeometry();
    move(std::clamp(frame.left(), room.left(), std::max(room.left(), room.right() + 1 - frame.width())),
         std::clamp(frame.top(), room.top(), std::max(room.top(), room.bottom() + 1 - frame.height())));
}

QString HelpDialog::text(const QList<QAction *> &commands, const QString &menuWays)
{
    QStringList keys;
    for (const QString &line : commandLines(commands))
        keys << line.toHtmlEscaped();
    return u"<h3>Ravelinta</h3>"
           "<p>Упражнение за позициите по часовник: изберете час и до неговата точка върху циферблата "
           "за 1,3 секунди се появяват хамбургер и римската цифра на часа.</p>"
           "<h4>Как се избира час</h4>"
           "<p>С ред от списъка „Час“ (с мишката или със стрелките) или с натискане на произволна точка "
           "от циферблата: значение има само посоката от центъра. Върху циферблата стрелките надясно и "
           "надолу избират следващия час, наляво и нагоре — предишния, а интервалът и Enter — същия час "
           "отново. Tab преминава между циферблата, списъка и описанието.</p>"
           "<h4>Команди</h4>"
           "<p>%3 отварят менюто с тези команди:</p>"
           "<p>%1</p>"
           "<p>В упражнението стрелките само преминават през часовете; Enter или интервал дават "
           "отговора. %2</p>"
           "<p>В построяването с линийка и пергел Page Down и Page Up (или дистанционното за презентации) "
           "преминават към следващата и предишната стъпка, Home — към първата, а End показва всички.</p>"_s
        .arg(keys.join(u"<br>"_s), dial::PracticeRound::arrowRuleText(), menuWays.toHtmlEscaped());
}

QString HelpDialog::keyList(const QList<QAction *> &commands)
{
    QString lines;
    for (const QString &line : commandLines(commands))
        lines += u"  %1\n"_s.arg(line);
    return lines;
}
