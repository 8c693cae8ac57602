#include "displayrun.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "anybox.h"
#include "commandline.h"
#include "constants.h"
#include "helperprogram.h"
#include "myabcfile.h"

DisplayRun::DisplayRun(AnyBox *box)
    : m_box(box)
    , m_boxPath(box ? box->completeName() : QString())
{
}

QString DisplayRun::listFolder() const
{
    MyUnit *folder = m_box ? m_box->unit(NAME_SLD_FOLDER) : nullptr;
    return folder ? folder->completeName() : QString();
}

QFileInfoList DisplayRun::listFiles() const
{
    const QString folder = listFolder();
    if (folder.isEmpty())
        return {};
    QFileInfoList lists;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    for (const QFileInfo &file : files) {
        if (file.suffix() == m_box->extPlayList())
            lists << file;
    }
    return lists;
}

QString DisplayRun::listPath(const QString &name) const
{
    return listFolder() + QDir::separator() + name + QLatin1Char('.') + m_box->extPlayList();
}

MyAbcFile *DisplayRun::abcFile(const QString &rema)
{
    if (!m_abcFilesKnown) {
        for (MyAbcFile *file : m_box->abcFiles())
            m_abcFiles.insert(file->objectName(), file);
        m_abcFilesKnown = true;
    }
    return m_abcFiles.value(NAME_ABC_FILE + QLatin1Char('_') + rema);
}

DisplayRun::Figures DisplayRun::figures(const QString &path)
{
    Figures result;
    QFile file(path);
    if (!m_box || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return result;
    result.read = true;
    // Lists are written in the system's 8-bit encoding.
    QTextStream stream(&file);
    const int length = m_boxPath.size();
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        const int at = line.indexOf(m_boxPath, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        ++result.count;
        // box/qw/er/ty.ext: the folder names and the key follow the box path and a separator.
        const int start = at + length + 1;
        const QString re = line.mid(start, 2);
        const QString ma = line.mid(start + 3, 2);
        const QString rk = line.mid(start + 6, 2);
        MyAbcFile *abc = abcFile(re + ma);
        if (!abc)
            continue;
        const QDate date = QDate::fromString(abc->getEntryPart(rk, Entry::DateField), m_box->dateFormat());
        if (!date.isValid())
            continue;
        if (!result.earliest.isValid() || date < result.earliest)
            result.earliest = date;
        if (!result.latest.isValid() || date > result.latest)
            result.latest = date;
    }
    return result;
}

QString DisplayRun::spanText(const Figures &figures) const
{
    if (!figures.earliest.isValid())
        return QStringLiteral("-");
    const QString format = m_box->dateFormat();
    if (figures.earliest == figures.latest)
        return figures.earliest.toString(format);
    return figures.earliest.toString(format) + QStringLiteral(" - ") + figures.latest.toString(format);
}

bool DisplayRun::present(const QString &path) const
{
    if (!m_box)
        return false;
    // Each presentation is the user's own window and outlives the frame.
    return HelperProgram::startDetached(CommandLine::arguments(m_box->execPresent(), {path}));
}
