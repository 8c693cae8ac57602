#include "abcsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "constants.h"
#include "myabcfile.h"
#include "myabcfolder.h"

namespace AbcSupport {

QString newEntryLine(const QString &remark, const QString &original, const QString &session, unsigned category)
{
    return QStringList({session, remark, remark, QStringLiteral("d41d8cd98f00b204e9800998ecf8427e"),
                        QStringLiteral("0"), QString::number(category), QStringLiteral("unknown"), original,
                        QStringLiteral("unknown,unknown"), QStringLiteral("10.07.2021")})
        .join(QLatin1Char('~'));
}

QString abcPath(const QString &boxPath, const QString &rema)
{
    return boxPath + QLatin1Char('/') + rema.left(2) + QLatin1Char('/') + rema.mid(2, 2) + QLatin1Char('/')
           + NAME_ABC_FILE;
}

bool writeAbc(const QString &boxPath, const QString &rema, const QByteArray &content)
{
    const QString path = abcPath(boxPath, rema);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(content) == content.size();
}

namespace {

MyAbcFolder *folderIn(MyUnit *parent, const QString &name)
{
    for (QObject *child : parent->children()) {
        if (auto folder = dynamic_cast<MyAbcFolder *>(child); folder && folder->name() == name)
            return folder;
    }
    return new MyAbcFolder(name, parent);
}

} // namespace

MyAbcFile *openAbc(MyUnit *box, const QString &rema)
{
    MyAbcFolder *first = folderIn(box, rema.left(2));
    MyAbcFolder *second = folderIn(first, rema.mid(2, 2));
    return new MyAbcFile(second);
}

} // namespace AbcSupport
