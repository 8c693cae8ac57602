#include "mysrcfolder.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTextCodec>

#include "commandline.h"
#include "helperprogram.h"
#include "mysourcefile.h"

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#endif

MySrcFolder::MySrcFolder(const QString &extractApp, const QString &name, MyUnit *parent)
    : MyFolder(name, parent)
    , m_folderPath(completeName())
    , m_extractor(new HelperProgram)
    , m_process(m_extractor->process())
{
    setExtractApp(extractApp);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &MySrcFolder::setDateAndTime);
    addFiles();
    // Start-up goes on meanwhile; until the extractor has finished the files carry their modification
    // times.
    startExtractor();
}

MySrcFolder::~MySrcFolder()
{
    stopExtractor();
    delete m_extractor;
}

// The text shows the line as it runs; the program gets the arguments, in which the folder's path is
// one argument whatever blanks or quotes it holds.
void MySrcFolder::setExtractApp(const QString &extractApp)
{
    if (CommandLine::endsWithPlace(extractApp))
        m_command = QString(extractApp).replace(CommandLine::PLACE, m_folderPath);
    else
        m_command = extractApp + QLatin1Char(' ') + m_folderPath;
    m_arguments = CommandLine::argumentsEndingWithPath(extractApp, m_folderPath);
}

void MySrcFolder::refresh(bool waitForDates)
{
    // The dates of an earlier listing are of no use any more.
    stopExtractor();
    qDeleteAll(sourceFiles());
    addFiles();
    startExtractor();
    if (waitForDates)
        waitForExtractor();
}

void MySrcFolder::computeCheckSums(const QList<MySourceFile *> &files)
{
    QList<MySourceFile *> waiting;
    QStringList paths;
    for (MySourceFile *file : files) {
        if (!file->checkSumKnown()) {
            waiting << file;
            paths << file->completeName();
        }
    }
    const int total = paths.size();
    const QStringList sums =
        MySourceFile::computeCheckSums(paths, [this, total](int done) { emit checkSumProgress(done, total); });
    for (int i = 0; i < waiting.size(); ++i)
        waiting.at(i)->setCheckSum(sums.at(i));
}

QList<MySourceFile *> MySrcFolder::sourceFiles() const
{
    return findChildren<MySourceFile *>(QString(), Qt::FindDirectChildrenOnly);
}

QList<MySourceFile *> MySrcFolder::getInConformityExt(const QSet<QString> &extensions) const
{
    QList<MySourceFile *> result;
    for (MySourceFile *file : sourceFiles()) {
        if (extensions.contains(file->ext().toLower()))
            result << file;
    }
    return result;
}

void MySrcFolder::addFiles()
{
    const QStringList names = QDir(m_folderPath).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase);
    for (const QString &fileName : names)
        new MySourceFile(fileName, this);
    findUnreadableNames();
}

// The directory listing passes over names that do not decode; they are looked for in the raw entries.
void MySrcFolder::findUnreadableNames()
{
    m_unreadableNames.clear();
#ifdef Q_OS_UNIX
    const QByteArray folder = QFile::encodeName(m_folderPath);
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const struct dirent *entry = ::readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (name.startsWith('.') || QFile::encodeName(QFile::decodeName(name)) == name)
            continue;
        struct stat status;
        if (::fstatat(::dirfd(dir), entry->d_name, &status, 0) != 0 || !S_ISREG(status.st_mode))
            continue;
        QString shown;
        for (const char byte : name) {
            if (byte > 0x1f && byte < 0x7f)
                shown += QLatin1Char(byte);
            else
                shown += QStringLiteral("\\x%1").arg(uchar(byte), 2, 16, QLatin1Char('0'));
        }
        m_unreadableNames << shown;
    }
    ::closedir(dir);
    m_unreadableNames.sort();
#endif
}

// The extractor runs beside the window; setDateAndTime() takes its output when it has finished.
void MySrcFolder::startExtractor()
{
    if (!CommandLine::start(m_process, m_arguments))
        return;
    // Nothing is ever written to the extractor; a closed input keeps one that reads it from
    // blocking the wait forever.
    m_process->closeWriteChannel();
}

bool MySrcFolder::extractorRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

// It runs to its end however long it takes; a command that cannot start ends the wait at once and the
// files keep their modification times.
void MySrcFolder::waitForExtractor()
{
    // Without an event loop to serve (a thread of its own), the process is waited for directly.
    if (!QCoreApplication::instance() || !QAbstractEventDispatcher::instance()) {
        m_process->waitForFinished(-1);
        return;
    }
    while (extractorRunning())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// An extractor of an earlier listing is ended without its output being taken.
void MySrcFolder::stopExtractor()
{
    if (!extractorRunning())
        return;
    const QSignalBlocker blocker(m_process);
    HelperProgram::end(m_process);
}

// Extractor output is read as UTF-8 when it is valid UTF-8 (exiftool writes file names so), and
// as Latin-1 otherwise.
static QString decodeOutput(const QByteArray &bytes)
{
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(bytes.constData(), bytes.size(), &state);
    return state.invalidChars == 0 ? text : QString::fromLatin1(bytes);
}

void MySrcFolder::setDateAndTime()
{
    QByteArray output = m_process->readAllStandardOutput();
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);

    QHash<QString, QString> dates;
    QHash<QString, QString> times;
    const QStringList lines = decodeOutput(output).split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QStringList parts = line.trimmed().split(QLatin1Char('|'), Qt::KeepEmptyParts);
        if (parts.size() != 3)
            continue;
        dates.insert(parts.at(0), parts.at(1));
        times.insert(parts.at(0), parts.at(2));
    }

    for (MySourceFile *file : sourceFiles()) {
        if (!dates.contains(file->name()))
            continue;
        const QDate date = QDate::fromString(dates.value(file->name()), QStringLiteral("dd.MM.yyyy"));
        const QTime time = QTime::fromString(times.value(file->name()), QStringLiteral("hh:mm"));
        if (date.isValid() && time.isValid()) {
            file->setExifDate(date);
            file->setExifTime(time);
        }
    }
}
