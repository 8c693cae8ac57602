#include "benchsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>

#include <QThread>

#include <cstdio>

#include <sys/resource.h>

#include "bigbox.h"
#include "constants.h"
#include "mysettings.h"
#include "workpool.h"

namespace BenchSupport {

void useOffscreenPlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

void warm(const QStringList &paths)
{
    QByteArray buffer(1024 * 1024, Qt::Uninitialized);
    for (const QString &path : paths) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            while (file.read(buffer.data(), buffer.size()) > 0) {
            }
    }
}

QStringList filesIn(const QString &folder)
{
    QStringList paths;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        paths << folder + QLatin1Char('/') + name;
    return paths;
}

qint64 timeProcess(const QString &program, const QStringList &arguments, bool *ok)
{
    QElapsedTimer clock;
    clock.start();
    QProcess process;
    process.start(program, arguments);
    *ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    process.readAllStandardOutput();
    if (!*ok)
        QTextStream(stderr) << process.readAllStandardError();
    return clock.nsecsElapsed();
}

std::unique_ptr<MySettings> baseSettings(const QString &root, QString *basePath)
{
    *basePath = root + QStringLiteral("/base");
    QDir().mkpath(*basePath);
    auto settings = std::make_unique<MySettings>(root + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
    settings->setValue(KEY_GENERAL + KEY_BOX_DIR, *basePath);
    settings->sync();
    return settings;
}

QString objectPlace(const QString &boxPath, int i, QString *rema, QString *rk)
{
    const int file = i / 50;
    *rema = QStringLiteral("aa") + QLatin1Char(char('a' + file / 26)) + QLatin1Char(char('a' + file % 26));
    *rk = QString(QLatin1Char(char('a' + i % 50 / 26))) + QLatin1Char(char('a' + i % 50 % 26));
    const QString folder = boxPath + QLatin1Char('/') + rema->left(2) + QLatin1Char('/') + rema->mid(2);
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + *rk + QStringLiteral(".jpg");
}

FileArguments fileArguments(const QStringList &arguments)
{
    FileArguments parsed;
    if (arguments.size() > 1)
        parsed.count = arguments.at(1).toInt();
    if (arguments.size() > 2)
        parsed.size = arguments.at(2).toLongLong() * 1024 * 1024;
    if (arguments.size() > 3)
        parsed.rounds = arguments.at(3).toInt();
    if (arguments.size() > 4)
        WorkPool::setThreadCount(arguments.at(4).toInt());
    std::printf("%d cores, pool of %d threads\n", QThread::idealThreadCount(), WorkPool::threadCount());
    return parsed;
}

int countArgument(int argc, char *argv[], int fallback, const char *usage)
{
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : fallback;
    if (count > 0)
        return count;
    std::fprintf(stderr, "usage: %s\n", usage);
    return 0;
}

double statusMiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    const QByteArray name = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(name))
            return line.mid(name.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

bool serveEventsUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

std::unique_ptr<MySettings> bigBoxSettings(const QString &root, int count, QString *basePath)
{
    auto settings = baseSettings(root, basePath);
    if (!BigBox::write(*basePath, count))
        return nullptr;
    return settings;
}

double cpuSeconds(int who)
{
    struct rusage usage;
    if (::getrusage(who, &usage) != 0)
        return 0;
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace BenchSupport
