#include "previewfollows.h"

#include <QApplication>
#include <QEvent>
#include <QProcess>
#include <QTimer>

#include "windowstate.h"

// A viewer takes the keyboard when its window comes up, which takes a moment after its start.
static const int FOCUS_GRACE_MS = 3000;

PreviewFollows::PreviewFollows(const QString &boxName, QWidget *parent)
    : QCheckBox(parent)
    , m_boxName(boxName)
{
    setObjectName(QStringLiteral("previewFollows"));
    setText(tr("Preview follows the current object"));
    const QString settings = WindowState::programSettingsFile();
    setChecked(settings.isEmpty() || WindowState(settings).previewFollows(m_boxName));
    connect(this, &QCheckBox::toggled, this, &PreviewFollows::store);
}

void PreviewFollows::watch(QProcess *process)
{
    connect(process, &QProcess::started, this, &PreviewFollows::previewStarted);
}

void PreviewFollows::previewStarted()
{
    m_started.start();
    QWidget *top = window();
    QWidget *focus = QApplication::focusWidget();
    m_focus = focus && focus->window() == top ? focus : top->focusWidget();
    if (m_window != top) {
        if (m_window)
            m_window->removeEventFilter(this);
        m_window = top;
        m_window->installEventFilter(this);
    }
}

bool PreviewFollows::eventFilter(QObject *watched, QEvent *event)
{
    // Looked at once the activation is over, when it is known which window has the keyboard.
    if (watched == m_window && event->type() == QEvent::WindowDeactivate && m_started.isValid() &&
        m_started.elapsed() <= FOCUS_GRACE_MS)
        QTimer::singleShot(0, this, &PreviewFollows::takeBackFromOthers);
    return QCheckBox::eventFilter(watched, event);
}

void PreviewFollows::store(bool checked)
{
    const QString settings = WindowState::programSettingsFile();
    if (!settings.isEmpty())
        WindowState(settings).setPreviewFollows(m_boxName, checked);
}

// Our window lost the keyboard just after the start: to the viewer, or to a window of ours without a
// widget to type in. A window of ours that the user types in (a question) keeps it.
void PreviewFollows::takeBackFromOthers()
{
    QWidget *active = QApplication::activeWindow();
    if (!m_started.isValid() || active == window() || (active && active->focusWidget()))
        return;
    takeBack();
}

void PreviewFollows::takeBack()
{
    m_started.invalidate();
    QWidget *top = window();
    top->raise();
    top->activateWindow();
    // Given now, the widget has the keyboard as soon as the window is active again.
    if (m_focus && m_focus->isVisible() && m_focus->isEnabled() && m_focus->window() == top)
        m_focus->setFocus(Qt::ActiveWindowFocusReason);
}

void PreviewFollows::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setText(tr("Preview follows the current object"));
    QCheckBox::changeEvent(event);
}
