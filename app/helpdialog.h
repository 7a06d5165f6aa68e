#pragma once

#include <QDialog>
#include <QList>

class QAction;

// The short help that F1 opens: what the program is, how an hour is
// chosen, and every command with its keys, read from the commands
// themselves. A screen reader reads it as the text it is; Escape closes it.
class HelpDialog : public QDialog
{
    Q_OBJECT

public:
    // `menuWays` names what opens the menu where the program runs.
    HelpDialog(const QList<QAction *> &commands, const QString &menuWays, QWidget *parent);

    // A page of text at the dialog's type size.
    void fitText();

    // The help's list of commands as plain text, a command and its keys a
    // line, for a read-me beside the program (ravelinta --keys prints it).
    static QString keyList(const QList<QAction *> &commands);

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The help as HTML, for those commands.
    static QString text(const QList<QAction *> &commands, const QString &menuWays);
};
