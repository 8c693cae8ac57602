#include "seenledger.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include "altqfile.h"
#include "constants.h"

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

static const QString DATE_FORMAT = QStringLiteral("dd.MM.yyyy hh:mm");
static const int FIELD_COUNT = 7;

SeenLedger::SeenLedger(const QString &path)
    : m_path(path)
{
}

QString SeenLedger::pathIn(const QString &basePath)
{
    return basePath + QLatin1Char('/') + NAME_SEEN_FILE;
}

QString SeenLedger::verdictText(Verdict verdict)
{
    return verdict == Copied ? QStringLiteral("copied") : QStringLiteral("rejected");
}

// Only what would break the line or its fields is encoded, so a name stays readable in the file.
QString SeenLedger::encodeName(const QString &name)
{
    const QByteArray bytes = name.toUtf8();
    QByteArray encoded;
    encoded.reserve(bytes.size());
    for (const char c : bytes) {
        const uchar u = uchar(c);
        if (u < 0x20 || u == 0x7f || c == '%' || c == '~')
            encoded += '%' + QByteArray::number(u, 16).rightJustified(2, '0').toUpper();
        else
            encoded += c;
    }
    return QString::fromUtf8(encoded);
}

QString SeenLedger::decodeName(const QString &encoded, bool *ok)
{
    const QByteArray bytes = encoded.toUtf8();
    QByteArray decoded;
    bool good = !bytes.isEmpty();
    for (int i = 0; i < bytes.size() && good; ++i) {
        if (bytes.at(i) != '%') {
            decoded += bytes.at(i);
            continue;
        }
        bool hex = false;
        const int value = i + 2 < bytes.size() ? bytes.mid(i + 1, 2).toInt(&hex, 16) : 0;
        good = hex;
        decoded += char(value);
        i += 2;
    }
    if (ok)
        *ok = good;
    return good ? QString::fromUtf8(decoded) : QString();
}

QString SeenLedger::format(const Line &line)
{
    return QStringList({line.checkSum, QString::number(line.size), QString::number(line.modified), line.boxName,
                        verdictText(line.verdict), line.date.toString(DATE_FORMAT), encodeName(line.fileName)})
        .join(SIGN_INV);
}

bool SeenLedger::parse(const QString &text, Line *line)
{
    static const QRegularExpression md5(QStringLiteral("^[0-9a-f]{32}$"));
    static const QRegularExpression boxName(QStringLiteral("^[A-Za-z0-9_]+$"));
    const QStringList fields = text.split(SIGN_INV);
    if (fields.size() != FIELD_COUNT)
        return false;
    Line result;
    bool sizeOk = false;
    bool timeOk = false;
    bool nameOk = false;
    result.checkSum = fields.at(0);
    result.size = fields.at(1).toLongLong(&sizeOk);
    result.modified = fields.at(2).toLongLong(&timeOk);
    result.boxName = fields.at(3);
    if (fields.at(4) == verdictText(Copied))
        result.verdict = Copied;
    else if (fields.at(4) == verdictText(Rejected))
        result.verdict = Rejected;
    else
        return false;
    result.date = QDateTime::fromString(fields.at(5), DATE_FORMAT);
    result.fileName = decodeName(fields.at(6), &nameOk);
    if (!md5.match(result.checkSum).hasMatch() || !sizeOk || result.size < 0 || !timeOk
        || !boxName.match(result.boxName).hasMatch() || !result.date.isValid() || !nameOk
        || result.fileName.contains(QLatin1Char('/')))
        return false;
    if (line)
        *line = result;
    return true;
}

QString SeenLedger::stampKey(const QString &fileName, qint64 size, qint64 modified)
{
    return QString::number(size) + QLatin1Char('/') + QString::number(modified) + QLatin1Char('/') + fileName;
}

void SeenLedger::index(int position)
{
    const Line &line = m_lines.at(position);
    m_byStamp.insert(stampKey(line.fileName, line.size, line.modified), position);
    m_byVerdict.insert(line.checkSum + QLatin1Char('/') + line.boxName, position);
}

// The file is read in blocks and cut at line feeds; a byte order mark, carriage returns, overlong and
// broken lines cost nothing but their own line.
bool SeenLedger::read()
{
    m_lines.clear();
    m_byStamp.clear();
    m_byVerdict.clear();
    m_skipped = 0;
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray pending;
    bool overlong = false;
    bool first = true;
    auto takeLine = [this, &first](QByteArray bytes) {
        if (first) {
            first = false;
            // Byte order marks of UTF-8 and UTF-16 written by an editor.
            if (bytes.startsWith("\xEF\xBB\xBF"))
                bytes.remove(0, 3);
            else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
                bytes.remove(0, 2);
        }
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.isEmpty())
            return;
        Line line;
        if (!parse(QString::fromUtf8(bytes), &line)) {
            ++m_skipped;
            return;
        }
        m_lines << line;
        index(m_lines.size() - 1);
    };
    for (;;) {
        const QByteArray block = file.read(65536);
        if (block.isEmpty())
            break;
        int start = 0;
        for (;;) {
            const int end = block.indexOf('\n', start);
            if (end < 0) {
                if (!overlong)
                    pending += block.mid(start);
                break;
            }
            if (!overlong) {
                pending += block.mid(start, end - start);
                if (pending.size() <= MAX_LINE)
                    takeLine(pending);
                else
                    ++m_skipped;
            } else {
                ++m_skipped;
            }
            pending.clear();
            overlong = false;
            first = false;
            start = end + 1;
        }
        if (pending.size() > MAX_LINE) {
            pending.clear();
            overlong = true;
            first = false;
        }
    }
    // A last line without its line end was cut off by a stop in the middle of an append.
    if (!pending.isEmpty() || overlong)
        ++m_skipped;
    return true;
}

QString SeenLedger::checkSumOf(const QString &fileName, qint64 size, qint64 modified) const
{
    const auto found = m_byStamp.constFind(stampKey(fileName, size, modified));
    return found == m_byStamp.constEnd() ? QString() : m_lines.at(*found).checkSum;
}

const SeenLedger::Line *SeenLedger::lastVerdict(const QString &checkSum, const QString &boxName) const
{
    const auto found = m_byVerdict.constFind(checkSum + QLatin1Char('/') + boxName);
    return found == m_byVerdict.constEnd() ? nullptr : &m_lines.at(*found);
}

// A line cut off by an earlier stop gets its line end first, so that the new lines start whole.
bool SeenLedger::append(const QList<Line> &lines)
{
    if (lines.isEmpty())
        return true;
    QFile file(m_path);
    const bool made = !file.exists();
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray data;
    if (file.size() > 0) {
        QFile tail(m_path);
        if (tail.open(QIODevice::ReadOnly) && tail.seek(tail.size() - 1) && tail.read(1) != "\n")
            data += '\n';
    }
    for (const Line &line : lines)
        data += format(line).toUtf8() + '\n';
    if (file.write(data) != data.size() || !file.flush())
        return false;
#ifdef Q_OS_UNIX
    if (::fdatasync(file.handle()) != 0)
        return false;
#endif
    // A new ledger is only there for good once its folder entry is.
    if (made)
        AltQFile::syncFolder(QFileInfo(m_path).absolutePath());
    for (const Line &line : lines) {
        m_lines << line;
        index(m_lines.size() - 1);
    }
    return true;
}
