#pragma once

#include <QRect>
#include <QString>

// What the window remembers between runs that is no setting of the user's: its place on the screen and,
// per box, whether the preview follows the current object. Kept in a small file of its own beside the
// settings file, so that the settings file holds only the user's settings.
class WindowState
{
public:
    explicit WindowState(const QString &settingsFileName);
    // The state of the running program, beside its settings file (set by the main window); empty before.
    static void setProgramSettingsFile(const QString &settingsFileName);
    static QString programSettingsFile();

    QString fileName() const;

    // The client rectangle the window had when it was last closed; a null rectangle when never stored.
    QRect geometry() const;
    bool setGeometry(const QRect &geometry);

    // Checked unless the user unchecked it for this box.
    bool previewFollows(const QString &boxName) const;
    bool setPreviewFollows(const QString &boxName, bool follows);

private:
    QString m_fileName;
};
