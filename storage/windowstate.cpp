#include "windowstate.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

static const QString STATE_FILE = QStringLiteral("window.ini");
static const QString KEY_GEOMETRY = QStringLiteral("window/geometry");
static const QString KEY_FOLLOWS = QStringLiteral("window/previewFollows_");

WindowState::WindowState(const QString &settingsFileName)
    : m_fileName(QFileInfo(settingsFileName).absoluteDir().filePath(STATE_FILE))
{
}

static QString &programSettings()
{
    static QString fileName;
    return fileName;
}

void WindowState::setProgramSettingsFile(const QString &settingsFileName)
{
    programSettings() = settingsFileName;
}

QString WindowState::programSettingsFile()
{
    return programSettings();
}

QString WindowState::fileName() const
{
    return m_fileName;
}

QRect WindowState::geometry() const
{
    const QSettings state(m_fileName, QSettings::IniFormat);
    const QRect stored = state.value(KEY_GEOMETRY).toRect();
    return stored.isValid() ? stored : QRect();
}

bool WindowState::setGeometry(const QRect &geometry)
{
    QSettings state(m_fileName, QSettings::IniFormat);
    state.setValue(KEY_GEOMETRY, geometry);
    state.sync();
    return state.status() == QSettings::NoError;
}

bool WindowState::previewFollows(const QString &boxName) const
{
    const QSettings state(m_fileName, QSettings::IniFormat);
    return state.value(KEY_FOLLOWS + boxName, true).toBool();
}

bool WindowState::setPreviewFollows(const QString &boxName, bool follows)
{
    QSettings state(m_fileName, QSettings::IniFormat);
    state.setValue(KEY_FOLLOWS + boxName, follows);
    state.sync();
    return state.status() == QSettings::NoError;
}
