#pragma once

#include <QCheckBox>
#include <QElapsedTimer>
#include <QPointer>
#include <QString>

class QEvent;
class QProcess;

// "Preview follows the current object": a frame with a preview starts its preview program on every
// object the user moves to while this is checked (the default). A user who works from the thumbnails
// unchecks it; the choice is kept per box with the window's state. It also keeps the keyboard in
// Tessary's window when a preview window comes up, so that typing never goes to the viewer: the window
// is taken back and the widget that had the keyboard when the preview started gets it again.
class PreviewFollows : public QCheckBox
{
    Q_OBJECT

public:
    PreviewFollows(const QString &boxName, QWidget *parent);

    // Takes the window and the keyboard back when they go just after process started.
    void watch(QProcess *process);

    bool eventFilter(QObject *watched, QEvent *event) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void store(bool checked);
    void previewStarted();
    void takeBackFromOthers();
    void takeBack();

    QString m_boxName;
    QElapsedTimer m_started;
    // The window watched for losing the keyboard, and the widget that had it when the preview started.
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_focus;
};
