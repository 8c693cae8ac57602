#include "testsupport.h"

#include <QDir>
#include <QFile>

#include "constants.h"
#include "mysettings.h"

namespace TestSupport {

QString baseDir(const QTemporaryDir &dir)
{
    return dir.path() + QStringLiteral("/base");
}

MySettings *makeSettings(const QTemporaryDir &dir, bool createBase)
{
    if (createBase)
        QDir().mkpath(baseDir(dir));
    auto settings = new MySettings(dir.path() + QStringLiteral("/tessary.ini"), MySettings::builtInDefaults());
    settings->setValue(KEY_GENERAL + KEY_BOX_DIR, baseDir(dir));
    settings->sync();
    return settings;
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace TestSupport
