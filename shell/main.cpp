#include <QApplication>
#include <cstdio>

#include "programoptions.h"
#include "startup.h"

int main(int argc, char *argv[])
{
    // The organisation and application name are also those of the user's settings store.
    QCoreApplication::setOrganizationName(QStringLiteral("welmora"));
    QCoreApplication::setApplicationName(QStringLiteral("tessary"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TESSARY_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.welmora.Tessary"));

    {
        // Help and version are answered before the window system is reached, so they also work
        // without a display, and nothing is written for them.
        QCoreApplication application(argc, argv);
        const ProgramOptions programOptions(QCoreApplication::arguments());
        if (programOptions.answered()) {
            std::fputs(programOptions.answer().toLocal8Bit().constData(), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    StartUp startUp(QCoreApplication::arguments());
    return startUp.exec();
}
