#pragma once

#include <QCheckBox>
#include <QElapsedTimer>
#include <QString>

class QEvent;
class QProcess;

// "Preview follows the current object": a frame with a preview starts its preview program on every
// object the user moves to while this is checked (the default). A user who works from the thumbnails
// unchecks it; the choice is kept per box with the window's state. It also keeps the keyboard in
// Tessary's window when a preview window comes up, so that typing never goes to the viewer.
class PreviewFollows : public QCheckBox
{
    Q_OBJECT

public:
    PreviewFollows(const QString &boxName, QWidget *parent);

    // Takes the window back when it loses the keyboard just after process started.
    void watch(QProcess *process);

protected:
    void changeEvent(QEvent *event) override;

private:
    void store(bool checked);
    void applicationStateChanged(Qt::ApplicationState state);

    QString m_boxName;
    QElapsedTimer m_started;
};
