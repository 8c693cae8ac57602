#include <QApplication>

#include "startup.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    StartUp startUp(QCoreApplication::arguments());
    return startUp.exec();
}
