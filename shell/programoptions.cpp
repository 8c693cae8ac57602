#include "programoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QSettings>
#include <QTranslator>

#include "constants.h"

static const QString LANGUAGE_DIR = QStringLiteral(":/lng/");

ProgramOptions::ProgramOptions(const QStringList &arguments)
    : m_arguments(arguments)
{
    QCommandLineParser parser;
    define(parser);
    // An argument the parser does not know (a settings file named "-x") is no request for help; the start-up
    // gets the arguments as they were given.
    if (parser.parse(m_arguments)) {
        m_help = parser.isSet(QStringLiteral("help"));
        m_version = parser.isSet(QStringLiteral("version"));
        m_positional = parser.positionalArguments();
    }
}

void ProgramOptions::define(QCommandLineParser &parser) const
{
    parser.setApplicationDescription(
        tr("Tessary keeps a personal media collection under control: photos, books, video clips and music."));
    parser.addPositionalArgument(
        tr("settings"),
        tr("The settings file to work with, or a folder ending in \"/\" that holds \"tessary.ini\". "
           "Without it the settings are kept in %1.")
            .arg(QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("welmora"),
                           QStringLiteral("tessary"))
                     .fileName()),
        tr("[settings]"));
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, tr("Show this help.")));
    parser.addOption(QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, tr("Show the version.")));
}

QString ProgramOptions::language() const
{
    // Only read: nothing is written while help is given.
    QString fileName;
    if (m_positional.size() == 1) {
        fileName = m_positional.first().trimmed();
        if (fileName.endsWith(QLatin1Char('/')))
            fileName += QStringLiteral("tessary.ini");
    } else {
        fileName = QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("welmora"),
                             QStringLiteral("tessary"))
                       .fileName();
    }
    if (!QFileInfo(fileName).isFile())
        return LANGUAGE;
    return QSettings(fileName, QSettings::IniFormat).value(KEY_GENERAL + KEY_LANGUAGE, LANGUAGE).toString();
}

QString ProgramOptions::answer() const
{
    if (m_version)
        return QCoreApplication::applicationName() + QLatin1Char(' ') + QCoreApplication::applicationVersion()
               + QLatin1Char('\n');

    const QString code = language();
    auto appTranslator = new QTranslator(QCoreApplication::instance());
    auto qtTranslator = new QTranslator(QCoreApplication::instance());
    if (appTranslator->load(code, LANGUAGE_DIR))
        QCoreApplication::installTranslator(appTranslator);
    if (qtTranslator->load(QStringLiteral("qt_") + code, LANGUAGE_DIR))
        QCoreApplication::installTranslator(qtTranslator);

    QCommandLineParser parser;
    define(parser);
    parser.parse(m_arguments);
    return parser.helpText();
}
