#include "metadatawriter.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegExp>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>

#include "altqfile.h"
#include "commandline.h"
#include "helperprogram.h"

static const QString XMP_SUBJECT = QStringLiteral("XMP-dc:Subject");
static const QString XMP_TITLE = QStringLiteral("XMP-dc:Title");
static const QString XMP_CREATOR = QStringLiteral("XMP-dc:Creator");
static const QString XMP_IDENTIFIER = QStringLiteral("XMP-dc:Identifier");
static const QString XMP_DATE = QStringLiteral("XMP-photoshop:DateCreated");
static const QString IPTC_KEYWORDS = QStringLiteral("IPTC:Keywords");
static const QString IPTC_OBJECT_NAME = QStringLiteral("IPTC:ObjectName");
static const QString IPTC_BY_LINE = QStringLiteral("IPTC:By-line");
static const QString IPTC_CHARSET = QStringLiteral("IPTC:CodedCharacterSet");
static const QString UTF8 = QStringLiteral("UTF8");
static const QByteArray MARK_WRITE = "tessary-write";
static const QByteArray MARK_READ = "tessary-read";
// exiftool says nothing while it rewrites one file, which for a long clip takes minutes.
static const int SILENCE_LIMIT_MS = 10 * 60 * 1000;

// The formats each exiftool can write, asked once per program for the life of the program.
static QHash<QString, QSet<QString>> &writableFormats()
{
    static QHash<QString, QSet<QString>> formats;
    return formats;
}

MetadataWriter::MetadataWriter(const QString &program, QObject *parent)
    : QObject(parent)
    , m_program(program)
    , m_watchdog(new QTimer(this))
{
    m_watchdog->setSingleShot(true);
    m_watchdog->setInterval(SILENCE_LIMIT_MS);
    connect(m_watchdog, &QTimer::timeout, this, &MetadataWriter::silent);
}

MetadataWriter::~MetadataWriter()
{
    if (m_process) {
        m_process->disconnect(this);
        HelperProgram::end(m_process);
    }
    delete m_folder;
}

QString MetadataWriter::findProgram(const QString &extractorProgram)
{
    QStringList candidates;
    const QString named = extractorProgram.trimmed();
    if (QFileInfo(named).fileName().contains(QLatin1String("exiftool"), Qt::CaseInsensitive))
        candidates << named;
    candidates << QStringLiteral("exiftool");
#ifdef Q_OS_WIN
    candidates << QStringLiteral("exiftool.exe");
#endif
    for (const QString &candidate : candidates) {
        if (AltQFile::exists(candidate))
            return candidate;
    }
    return QString();
}

// After the whole copy name, so that a.jpg and a.png never share one.
QString MetadataWriter::sidecarPath(const QString &copyPath)
{
    return copyPath + QStringLiteral(".xmp");
}

bool MetadataWriter::isJpeg(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg") || suffix == QLatin1String("jpe");
}

void MetadataWriter::setSilenceLimit(int ms)
{
    m_watchdog->setInterval(ms);
}

void MetadataWriter::addCopy(const QString &path, const QString &source, const CopyDescription &description,
                             bool make)
{
    Copy copy;
    copy.path = path;
    copy.source = source;
    copy.description = description;
    copy.made = make;
    m_copies << copy;
}

bool MetadataWriter::canEmbed(const QString &path) const
{
    const QString suffix = QFileInfo(path).suffix().toUpper();
    return m_formatsKnown && !suffix.isEmpty() && m_writable.contains(suffix);
}

void MetadataWriter::learnFormats()
{
    if (formatsSettled() || m_listing)
        return;
    if (writableFormats().contains(m_program)) {
        m_writable = writableFormats().value(m_program);
        m_formatsKnown = true;
        emit formatsLearned();
        return;
    }
    if (m_program.isEmpty()) {
        listingFailed(tr("exiftool cannot be found"));
        return;
    }
    startListing();
}

int MetadataWriter::describedCount() const
{
    int count = 0;
    for (const Copy &copy : m_copies)
        count += copy.place != NotWritten ? 1 : 0;
    return count;
}

int MetadataWriter::sidecarCount() const
{
    int count = 0;
    for (const Copy &copy : m_copies)
        count += copy.place == Sidecar ? 1 : 0;
    return count;
}

void MetadataWriter::start()
{
    if (m_started)
        return;
    m_started = true;
    if (m_copies.isEmpty()) {
        finish();
        return;
    }
    if (m_program.isEmpty()) {
        fail(tr("exiftool cannot be found"));
        return;
    }
    if (!m_formatsKnown && m_listingFailure.isEmpty())
        learnFormats();
    // A listing still running goes on to the writing when it ends.
    if (m_formatsKnown)
        startWriting();
    else if (!m_listingFailure.isEmpty())
        fail(m_listingFailure);
}

QProcess *MetadataWriter::newProcess()
{
    if (m_process) {
        m_process->disconnect(this);
        m_process->deleteLater();
    }
    m_process = new QProcess(this);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart();
    });
    return m_process;
}

void MetadataWriter::startListing()
{
    m_listing = true;
    QProcess *process = newProcess();
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &MetadataWriter::listed);
    m_watchdog->start();
    if (!CommandLine::start(process, {m_program, QStringLiteral("-listwf")}))
        failedToStart();
}

void MetadataWriter::listed()
{
    if (!m_listing)
        return;
    m_listing = false;
    m_watchdog->stop();
    const QString text = QString::fromUtf8(m_process->readAllStandardOutput());
    // A heading line, then the extensions in upper case separated by blanks.
    const QStringList words =
        text.section(QLatin1Char('\n'), 1).split(QRegExp(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    if (m_process->exitStatus() != QProcess::NormalExit || m_process->exitCode() != 0 || words.isEmpty()) {
        listingFailed(m_timedOut ? tr("exiftool stopped answering")
                                 : tr("exiftool does not tell which formats it writes"));
        return;
    }
    for (const QString &word : words)
        m_writable.insert(word.toUpper());
    writableFormats().insert(m_program, m_writable);
    m_formatsKnown = true;
    emit formatsLearned();
    if (m_started && !m_done)
        startWriting();
}

void MetadataWriter::listingFailed(const QString &reason)
{
    m_listing = false;
    m_listingFailure = reason;
    emit formatsLearned();
    if (m_started)
        fail(reason);
}

static void addTags(QStringList &lines, const CopyDescription &description, bool iptc)
{
    for (const QString &keyword : description.keywords)
        lines << QStringLiteral("-XMP-dc:Subject=") + keyword;
    if (!description.title.isEmpty())
        lines << QStringLiteral("-XMP-dc:Title=") + description.title;
    if (!description.author.isEmpty())
        lines << QStringLiteral("-XMP-dc:Creator=") + description.author;
    if (!description.date.isEmpty())
        lines << QStringLiteral("-XMP-photoshop:DateCreated=") + description.date;
    if (!description.identifier.isEmpty())
        lines << QStringLiteral("-XMP-dc:Identifier=") + description.identifier;
    if (!iptc)
        return;
    lines << QStringLiteral("-IPTC:CodedCharacterSet=") + UTF8;
    for (const QString &keyword : description.keywords)
        lines << QStringLiteral("-IPTC:Keywords=") + keyword;
    if (!description.title.isEmpty())
        lines << QStringLiteral("-IPTC:ObjectName=") + description.title;
    if (!description.author.isEmpty())
        lines << QStringLiteral("-IPTC:By-line=") + description.author;
}

// The markers close each block on both channels, so what exiftool says can be told apart by copy.
static QStringList markers(const QByteArray &mark, int number)
{
    const QString text = QStringLiteral("{%1 %2").arg(QString::fromLatin1(mark)).arg(number);
    return {QStringLiteral("-echo3"), text + QStringLiteral(" ${status}}"), QStringLiteral("-echo4"),
            text + QLatin1Char('}'), QStringLiteral("-execute")};
}

// -P keeps the copy's modification time; -m lets IPTC values pass the old length limits whole rather than
// cut short. The first assignment of a list replaces what the file had; the others add to it.
QStringList MetadataWriter::writeBlock(const Copy &copy, int number)
{
    QStringList lines = {QStringLiteral("-charset"), QStringLiteral("filename=utf8"), QStringLiteral("-m")};
    if (copy.target == Sidecar) {
        addTags(lines, copy.description, false);
        // Created from nothing; exiftool never replaces an existing file this way.
        lines << QStringLiteral("-o") << sidecarPath(copy.path);
    } else if (copy.made) {
        // The source is only read; -P gives the copy its modification time.
        lines << QStringLiteral("-P");
        addTags(lines, copy.description, isJpeg(copy.path));
        lines << QStringLiteral("-o") << copy.path << copy.source;
    } else {
        lines << QStringLiteral("-P") << QStringLiteral("-overwrite_original");
        addTags(lines, copy.description, isJpeg(copy.path));
        lines << copy.path;
    }
    return lines + markers(MARK_WRITE, number);
}

QStringList MetadataWriter::readBlock(const Copy &copy, int number)
{
    QStringList lines = {QStringLiteral("-charset"), QStringLiteral("filename=utf8"), QStringLiteral("-j"),
                         QStringLiteral("-G1"), QStringLiteral("-XMP-dc:all"),
                         QStringLiteral("-XMP-photoshop:DateCreated")};
    if (copy.target == Sidecar) {
        lines << sidecarPath(copy.path);
    } else {
        lines << QStringLiteral("-IPTC:all") << copy.path;
    }
    return lines + markers(MARK_READ, number);
}

void MetadataWriter::startWriting()
{
    QStringList lines;
    for (int i = 0; i < m_copies.size(); ++i) {
        Copy &copy = m_copies[i];
        copy.target = canEmbed(copy.path) || copy.made ? Embedded : Sidecar;
        if (copy.made) {
            // What is already there is not exiftool's to replace, nor this writer's to remove later.
            if (QFileInfo::exists(copy.path) || QFileInfo(copy.path).isSymLink()) {
                copy.made = false;
                copy.reason = tr("a file of that name is already there");
                continue;
            }
        } else if (!QFileInfo(copy.path).isFile()) {
            copy.reason = tr("the copy is not there");
            continue;
        }
        const QString sidecar = sidecarPath(copy.path);
        // What is already there stays, and a description in a stranger's file would be wrong.
        if (copy.target == Sidecar && (QFileInfo::exists(sidecar) || QFileInfo(sidecar).isSymLink())) {
            copy.reason = tr("a file of the sidecar's name is already there: %1").arg(sidecar);
            continue;
        }
        m_planned << i;
        const int number = m_planned.size();
        lines << writeBlock(copy, number) << readBlock(copy, number);
    }
    if (m_planned.isEmpty()) {
        finish();
        return;
    }
    m_folder = new QTemporaryDir;
    const QString path = m_folder->path() + QStringLiteral("/arguments.txt");
    const QByteArray bytes = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    QFile file(path);
    if (!m_folder->isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()
        || !file.flush()) {
        fail(tr("the argument file for exiftool cannot be written"));
        return;
    }
    file.close();
    QProcess *process = newProcess();
    connect(process, &QProcess::readyReadStandardOutput, this, &MetadataWriter::readOutput);
    connect(process, &QProcess::readyReadStandardError, this, &MetadataWriter::readErrors);
    connect(process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &MetadataWriter::written);
    m_watchdog->start();
    if (!CommandLine::start(process, {m_program, QStringLiteral("-@"), path}))
        failedToStart();
}

void MetadataWriter::takeLines(QByteArray &buffer, QByteArray &segment, bool errors)
{
    int end;
    while ((end = buffer.indexOf('\n')) >= 0) {
        QByteArray line = buffer.left(end);
        buffer.remove(0, end + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        const bool marker = line.startsWith("{tessary-") && line.endsWith('}');
        if (!marker) {
            segment += line + '\n';
            continue;
        }
        const QList<QByteArray> parts = line.mid(1, line.size() - 2).split(' ');
        const int number = parts.value(1).toInt();
        if (parts.value(0) == MARK_READ) {
            if (!errors) {
                m_readBack.insert(number, segment);
                emit progressed(++m_progress, m_planned.size());
            }
        } else if (parts.value(0) == MARK_WRITE && errors) {
            m_writeErrors.insert(number, segment);
        }
        segment.clear();
    }
}

void MetadataWriter::readOutput()
{
    m_watchdog->start();
    m_outBuffer += m_process->readAllStandardOutput();
    takeLines(m_outBuffer, m_outSegment, false);
}

void MetadataWriter::readErrors()
{
    m_watchdog->start();
    m_errBuffer += m_process->readAllStandardError();
    takeLines(m_errBuffer, m_errSegment, true);
}

void MetadataWriter::written()
{
    if (m_done)
        return;
    m_watchdog->stop();
    readOutput();
    readErrors();
    m_watchdog->stop();
    for (int number = 1; number <= m_planned.size(); ++number)
        verify(m_copies[m_planned.at(number - 1)], number);
    finish();
}

void MetadataWriter::failedToStart()
{
    if (m_done)
        return;
    m_watchdog->stop();
    const QString reason = tr("exiftool cannot be started: %1").arg(m_program);
    if (m_listing)
        listingFailed(reason);
    else
        fail(reason);
}

void MetadataWriter::silent()
{
    if (m_done || !m_process)
        return;
    m_timedOut = true;
    const bool listing = m_listing;
    HelperProgram::end(m_process);
    // Ending it reports its end, which sorts out what came through.
    if (listing && m_listing)
        listingFailed(tr("exiftool stopped answering"));
    else if (!listing && !m_done)
        written();
}

void MetadataWriter::fail(const QString &reason)
{
    for (Copy &copy : m_copies) {
        if (copy.place == NotWritten && copy.reason.isEmpty()) {
            copy.reason = reason;
            makePlain(copy);
        }
    }
    finish();
}

void MetadataWriter::finish()
{
    if (m_done)
        return;
    m_done = true;
    m_watchdog->stop();
    emit finished();
}

// The first line of what exiftool said about the write, without the copy's path it repeats.
static QString firstLine(const QByteArray &text)
{
    return QString::fromUtf8(text).section(QLatin1Char('\n'), 0, 0).trimmed();
}

void MetadataWriter::verify(Copy &copy, int number)
{
    if (!m_readBack.contains(number)) {
        copy.reason = m_timedOut ? tr("exiftool stopped answering") : tr("exiftool ended before this copy");
        makePlain(copy);
        return;
    }
    const QHash<QString, QStringList> expected = expectedValues(copy);
    const QHash<QString, QStringList> found = readValues(m_readBack.value(number));
    for (auto it = expected.constBegin(); it != expected.constEnd(); ++it) {
        if (found.value(it.key()) == it.value())
            continue;
        const QString said = firstLine(m_writeErrors.value(number));
        copy.reason = !said.isEmpty() ? tr("exiftool says: %1").arg(said)
                                      : tr("%1 reads back different").arg(it.key());
        makePlain(copy);
        return;
    }
    copy.place = copy.target;
}

QHash<QString, QStringList> MetadataWriter::expectedValues(const Copy &copy)
{
    const CopyDescription &d = copy.description;
    QHash<QString, QStringList> values;
    const bool iptc = copy.target == Embedded && isJpeg(copy.path);
    if (!d.keywords.isEmpty()) {
        values.insert(XMP_SUBJECT, d.keywords);
        if (iptc)
            values.insert(IPTC_KEYWORDS, d.keywords);
    }
    if (!d.title.isEmpty()) {
        values.insert(XMP_TITLE, {d.title});
        if (iptc)
            values.insert(IPTC_OBJECT_NAME, {d.title});
    }
    if (!d.author.isEmpty()) {
        values.insert(XMP_CREATOR, {d.author});
        if (iptc)
            values.insert(IPTC_BY_LINE, {d.author});
    }
    if (!d.date.isEmpty())
        values.insert(XMP_DATE, {d.date});
    if (!d.identifier.isEmpty())
        values.insert(XMP_IDENTIFIER, {d.identifier});
    if (iptc)
        values.insert(IPTC_CHARSET, {UTF8});
    return values;
}

// exiftool gives numbers unquoted (a year, a title made of digits); they count as the text they stand for.
static QString valueText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble()) {
        const double number = value.toDouble();
        if (std::floor(number) == number && std::fabs(number) < 1e15)
            return QString::number(qint64(number));
        return QString::number(number, 'g', 15);
    }
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

QHash<QString, QStringList> MetadataWriter::readValues(const QByteArray &json)
{
    QHash<QString, QStringList> values;
    const QJsonArray files = QJsonDocument::fromJson(json).array();
    const QJsonObject tags = files.isEmpty() ? QJsonObject() : files.first().toObject();
    for (auto it = tags.constBegin(); it != tags.constEnd(); ++it) {
        QStringList list;
        if (it.value().isArray()) {
            for (const QJsonValue &item : it.value().toArray())
                list << valueText(item);
        } else {
            list << valueText(it.value());
        }
        values.insert(it.key(), list);
    }
    return values;
}

static bool sameContent(const QString &a, const QString &b)
{
    QFile first(a);
    QFile second(b);
    if (first.size() != second.size() || !first.open(QIODevice::ReadOnly) || !second.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash one(QCryptographicHash::Md5);
    QCryptographicHash two(QCryptographicHash::Md5);
    return one.addData(&first) && two.addData(&second) && one.result() == two.result();
}

// A sidecar that does not hold the description goes; a copy that exiftool changed is copied again, first
// beside itself, so that the copy is never missing.
void MetadataWriter::makePlain(Copy &copy)
{
    copy.place = NotWritten;
    if (copy.made) {
        // Whatever exiftool left there is its own half or wrong work: nothing was there before.
        QFile::remove(copy.path);
        if (!AltQFile(copy.source).copy(copy.path)) {
            QFile::remove(copy.path);
            copy.reason += QLatin1String("; ") + tr("the plain copy cannot be made either");
        }
        return;
    }
    if (copy.target == Sidecar) {
        QFile::remove(sidecarPath(copy.path));
        return;
    }
    if (copy.source.isEmpty() || sameContent(copy.path, copy.source))
        return;
    const QString fresh = copy.path + QStringLiteral(".tessary-plain");
    QFile::remove(fresh);
    const QFile::Permissions permissions = QFile::permissions(copy.path);
    if (!AltQFile(copy.source).copy(fresh)) {
        QFile::remove(fresh);
        copy.reason += QLatin1String("; ") + tr("the plain copy cannot be made again");
        return;
    }
    QFile::setPermissions(fresh, permissions);
    if (!QFile::remove(copy.path) || !QFile::rename(fresh, copy.path)) {
        QFile::remove(fresh);
        copy.reason += QLatin1String("; ") + tr("the plain copy cannot be made again");
    }
}
