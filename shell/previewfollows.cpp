#include "previewfollows.h"

#include <QEvent>
#include <QGuiApplication>
#include <QProcess>

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
    connect(qApp, &QGuiApplication::applicationStateChanged, this, &PreviewFollows::applicationStateChanged);
}

void PreviewFollows::watch(QProcess *process)
{
    connect(process, &QProcess::started, this, [this]() { m_started.start(); });
}

void PreviewFollows::store(bool checked)
{
    const QString settings = WindowState::programSettingsFile();
    if (!settings.isEmpty())
        WindowState(settings).setPreviewFollows(m_boxName, checked);
}

void PreviewFollows::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == Qt::ApplicationActive || !m_started.isValid() || m_started.elapsed() > FOCUS_GRACE_MS)
        return;
    m_started.invalidate();
    QWidget *top = window();
    top->raise();
    top->activateWindow();
}

void PreviewFollows::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        setText(tr("Preview follows the current object"));
    QCheckBox::changeEvent(event);
}
