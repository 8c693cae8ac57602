#include "displayrun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextCodec>
#include <QTextStream>

#include "anybox.h"
#include "commandline.h"
#include "constants.h"
#include "helperprogram.h"
#include "myabcfile.h"

DisplayRun::DisplayRun(AnyBox *box)
    : m_box(box)
    , m_boxPath(box ? box->completeName() : QString())
    , m_dates(box ? box->dateFormat() : QString())
{
}

DisplayRun::~DisplayRun() = default;

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
    beginFigures(path);
    while (!continueFigures(1000)) {
    }
    return m_read;
}

void DisplayRun::beginFigures(const QString &path)
{
    m_read = Figures();
    m_stream.reset();
    m_file.reset(new QFile(path));
    m_reading = m_box && m_file->open(QIODevice::ReadOnly | QIODevice::Text);
    if (!m_reading) {
        m_file.reset();
        return;
    }
    m_read.read = true;
    // Lists are written in the system's 8-bit encoding.
    m_stream.reset(new QTextStream(m_file.get()));
    m_stream->setCodec(QTextCodec::codecForLocale());
}

bool DisplayRun::continueFigures(int sliceMs)
{
    if (!m_reading)
        return true;
    QElapsedTimer slice;
    slice.start();
    QString line;
    int lines = 0;
    while (m_stream->readLineInto(&line)) {
        countLine(line);
        if ((++lines & 255) == 0 && slice.elapsed() >= sliceMs)
            return false;
    }
    m_reading = false;
    m_stream.reset();
    m_file.reset();
    return true;
}

void DisplayRun::countLine(const QString &line)
{
    const int at = line.indexOf(m_boxPath, 0, Qt::CaseInsensitive);
    if (at < 0)
        return;
    ++m_read.count;
    // box/qw/er/ty.ext: the folder names and the key follow the box path and a separator.
    const int start = at + m_boxPath.size() + 1;
    const QString re = line.mid(start, 2);
    const QString ma = line.mid(start + 3, 2);
    const QString rk = line.mid(start + 6, 2);
    MyAbcFile *abc = abcFile(re + ma);
    if (!abc)
        return;
    const QDate date = m_dates.date(abc->getEntryPart(rk, Entry::DateField));
    if (!date.isValid())
        return;
    if (!m_read.earliest.isValid() || date < m_read.earliest)
        m_read.earliest = date;
    if (!m_read.latest.isValid() || date > m_read.latest)
        m_read.latest = date;
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
