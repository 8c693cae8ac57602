#pragma once

#include <QMessageBox>
#include <QString>

// Every message box of the program goes through here, so that tests can answer a box in advance
// instead of having a modal window block them.
class MyMessageBox
{
public:
    static QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton warning(QWidget *parent, const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title, const QString &text,
                                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                                   QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    // Runs a box the caller has dressed up (icon pixmap, rich text...) modally.
    static QMessageBox::StandardButton exec(QMessageBox &box);

    // Test hooks: queued answers are consumed by the next boxes, which are then never shown.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void clearAnswers();
    static int pendingAnswers();
    static int shownCount();
    static QString lastTitle();
    static QString lastText();
    static QMessageBox::StandardButtons lastButtons();

private:
    static QMessageBox::StandardButton ask(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                           const QString &text, QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
};
