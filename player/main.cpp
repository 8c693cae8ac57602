#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTranslator>

#include "mainwindow.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The classic look where the toolkit still has it; otherwise the platform's own style.
    if (QStyleFactory::keys().contains(QStringLiteral("plastique"), Qt::CaseInsensitive))
        QApplication::setStyle(QStringLiteral("plastique"));
    QTranslator translator;
    const QString language = QLocale::system().language() == QLocale::Russian ? QStringLiteral("ru")
                                                                               : QStringLiteral("en");
    if (translator.load(QStringLiteral(":/lng/cantrel_") + language + QStringLiteral(".qm")))
        QApplication::installTranslator(&translator);
    cantrel::MainWindow::installSigTermHandler();
    cantrel::MainWindow window(QCoreApplication::arguments().mid(1));
    window.show();
    return app.exec();
}
