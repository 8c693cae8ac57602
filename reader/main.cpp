#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include "mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator translator;
    const QString language = QLocale::system().language() == QLocale::Russian ? QStringLiteral("ru")
                                                                               : QStringLiteral("en");
    if (translator.load(QStringLiteral(":/lng/folianto_") + language + QStringLiteral(".qm")))
        QApplication::installTranslator(&translator);
    folianto::MainWindow::installSigTermHandler();
    folianto::MainWindow window(QCoreApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
