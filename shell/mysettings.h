#pragma once

#include <QMap>
#include <QSettings>
#include <QVariant>

// The settings store of the whole program: an INI file whose missing keys are filled from the
// built-in defaults when it is opened.
class MySettings : public QSettings
{
    Q_OBJECT

public:
    MySettings(const QString &organization, const QString &application, const QMap<QString, QVariant> &defaults,
               QObject *parent = nullptr);
    MySettings(const QString &fileName, const QMap<QString, QVariant> &defaults, QObject *parent = nullptr);

    QVariant defaultValue(const QString &key) const;

    // A stored value as text. A hand-written INI value with unquoted commas reads back as a list;
    // it is joined again so that comma-separated settings survive hand editing.
    QString text(const QString &key) const;

    // True when the file was parsed to its end. A store over a file that was not is never filled in,
    // so nothing is written back into it.
    bool parsedCompletely() const { return m_parsedCompletely; }
    // Whether the INI file can be parsed to its end: no line without "=" outside a group header, no
    // binary bytes. A missing file is fine. Nothing is written.
    static bool parsesCompletely(const QString &fileName);

    // The 22 keys a settings file holds, with their built-in values.
    static QMap<QString, QVariant> builtInDefaults();

private:
    void fillDefaults();

    QMap<QString, QVariant> defaults;
    bool m_parsedCompletely = true;
};
