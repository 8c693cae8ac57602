#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class MySettings;

// What the benchmarks share: the offscreen platform, a warm page cache, timed outside programs and
// CPU seconds.
namespace BenchSupport {

// A box holds a picture, which needs the GUI application object; no window is ever shown.
void useOffscreenPlatform();
// Reads every file once so that both contenders start from a warm page cache.
void warm(const QStringList &paths);
// Every file directly in the folder.
QStringList filesIn(const QString &folder);
// Nanoseconds one run of the program took; ok tells whether it ended well.
qint64 timeProcess(const QString &program, const QStringList &arguments, bool *ok);
// The settings of a base folder made under root (root/base) with the built-in defaults.
std::unique_ptr<MySettings> baseSettings(const QString &root, QString *basePath);

// Where object i of a box lies when its objects fill catalogue files of 50 in turn ("aaaa", "aaab" ...),
// as a JPEG; its folder is made. rema and rk get the remark's two parts.
QString objectPlace(const QString &boxPath, int i, QString *rema, QString *rk);

// The arguments of the benchmarks over incoming files: count, MiB each, rounds and the pool's threads
// (optional); the machine's cores and the pool are printed.
struct FileArguments
{
    int count = 200;
    qint64 size = 5 * 1024 * 1024;
    int rounds = 3;
};
FileArguments fileArguments(const QStringList &arguments);

// The first argument as a positive count, fallback without one; 0 after printing the usage line when it is
// not a positive number.
int countArgument(int argc, char *argv[], int fallback, const char *usage);
// A field of /proc/self/status ("VmRSS", "VmHWM") in MiB; -1 when it cannot be read.
double statusMiB(const char *field);
// Serves events until done() holds; false when it does not within timeoutMs.
bool serveEventsUntil(const std::function<bool()> &done, int timeoutMs);
// The settings of a base folder under root (root/base) that holds a large synthetic photo box of count objects
// (see BigBox); null when the box cannot be written.
std::unique_ptr<MySettings> bigBoxSettings(const QString &root, int count, QString *basePath);

// CPU seconds used so far by this process (RUSAGE_SELF) or by its waited-for children (RUSAGE_CHILDREN).
double cpuSeconds(int who);

} // namespace BenchSupport
