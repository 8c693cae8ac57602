#pragma once

#include <QCoreApplication>
#include <QStringList>

class QCommandLineParser;

// Tessary's command line: "--help" and "--version" are answered without touching any file or window;
// everything else is the one optional argument, a settings file or a folder that holds "tessary.ini".
class ProgramOptions
{
    Q_DECLARE_TR_FUNCTIONS(ProgramOptions)

public:
    explicit ProgramOptions(const QStringList &arguments);

    // Help or version was asked for: print answer() and end.
    bool answered() const { return m_help || m_version; }
    // The usage or the version, in the language of the settings the arguments name. Needs the application
    // object, whose name and version it tells; installs the translators of that language on it.
    QString answer() const;

private:
    void define(QCommandLineParser &parser) const;
    QString language() const;

    QStringList m_arguments;
    QStringList m_positional;
    bool m_help = false;
    bool m_version = false;
};
