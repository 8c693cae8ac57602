#include "mymessagebox.h"

#include <QQueue>

namespace {

struct Record
{
    QQueue<QMessageBox::StandardButton> answers;
    int shown = 0;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons;
};

Record &record()
{
    static Record instance;
    return instance;
}

} // namespace

QMessageBox::StandardButton MyMessageBox::question(QWidget *parent, const QString &title, const QString &text,
                                                   QMessageBox::StandardButtons buttons,
                                                   QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Question, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MyMessageBox::warning(QWidget *parent, const QString &title, const QString &text,
                                                  QMessageBox::StandardButtons buttons,
                                                  QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Warning, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MyMessageBox::information(QWidget *parent, const QString &title, const QString &text,
                                                      QMessageBox::StandardButtons buttons,
                                                      QMessageBox::StandardButton defaultButton)
{
    return ask(QMessageBox::Information, parent, title, text, buttons, defaultButton);
}

QMessageBox::StandardButton MyMessageBox::ask(QMessageBox::Icon icon, QWidget *parent, const QString &title,
                                              const QString &text, QMessageBox::StandardButtons buttons,
                                              QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, parent);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    return exec(box);
}

QMessageBox::StandardButton MyMessageBox::exec(QMessageBox &box)
{
    Record &r = record();
    ++r.shown;
    r.title = box.windowTitle();
    r.text = box.text();
    r.buttons = box.standardButtons();
    if (!r.answers.isEmpty())
        return r.answers.dequeue();
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void MyMessageBox::setNextAnswer(QMessageBox::StandardButton answer)
{
    record().answers.enqueue(answer);
}

void MyMessageBox::clearAnswers()
{
    record().answers.clear();
}

int MyMessageBox::pendingAnswers()
{
    return record().answers.size();
}

int MyMessageBox::shownCount()
{
    return record().shown;
}

QString MyMessageBox::lastTitle()
{
    return record().title;
}

QString MyMessageBox::lastText()
{
    return record().text;
}

QMessageBox::StandardButtons MyMessageBox::lastButtons()
{
    return record().buttons;
}
