#include "firststepsrun.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QTime>

#include <algorithm>

#include "anybox.h"
#include "basefolder.h"
#include "commandline.h"
#include "constants.h"
#include "helperprogram.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "wholefilecopy.h"

FirstStepsRun::FirstStepsRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_log(dynamic_cast<MyLogFile *>(box->baseUnit()->unit(NAME_LOG_FILE)))
    , m_preview(new HelperProgram(this))
    , m_ledger(SeenLedger::pathIn(box->baseUnit()->completeName()))
{
    MyUnit *base = box->baseUnit();
    if (auto baseFolder = dynamic_cast<BaseFolder *>(base))
        m_firstDir = baseFolder->firstDir();
    if (MyUnit *src = base->unit(NAME_SRC_FOLDER))
        m_srcPath = src->completeName();
    if (MyUnit *sld = base->unit(NAME_SLD_FOLDER)) {
        m_listPath = sld->completeName() + QLatin1Char('/') + QTime::currentTime().toString(QStringLiteral("hhmmsszzz"))
                     + QLatin1Char('.') + box->extPlayList();
    }
    QStringList extensions = box->ext().values();
    std::sort(extensions.begin(), extensions.end());
    for (const QString &extension : extensions)
        m_nameFilters << QStringLiteral("*.") + extension;
}

FirstStepsRun::~FirstStepsRun() = default;

QList<FirstStepsRun::Device> FirstStepsRun::devices(const QString &setting)
{
    QList<Device> result;
    for (const QString &entry : setting.split(QLatin1Char(','))) {
        const QStringList parts = entry.split(QLatin1Char('|'));
        Device device;
        if (parts.size() <= 2) {
            device.path = parts.at(0).simplified();
            if (parts.size() == 2)
                device.toolTip = parts.at(1).simplified();
        }
        result << device;
    }
    return result;
}

QList<FirstStepsRun::Device> FirstStepsRun::devices() const
{
    return devices(m_firstDir);
}

QFileInfoList FirstStepsRun::listFiles(const QString &folder) const
{
    if (m_nameFilters.isEmpty())
        return {};
    return QDir(folder).entryInfoList(m_nameFilters, QDir::Files, QDir::Type | QDir::IgnoreCase);
}

int FirstStepsRun::countFiles(const QString &folder) const
{
    if (!QFileInfo(folder).isDir())
        return -1;
    return listFiles(folder).size();
}

// The list goes out in the system's 8-bit encoding, as the viewers expect, and whole or not at all.
bool FirstStepsRun::writeList(const QStringList &nativePaths, int limit) const
{
    if (m_listPath.isEmpty())
        return false;
    QByteArray content;
    for (int i = 0; i < nativePaths.size() && i < limit; ++i)
        content += nativePaths.at(i).toLocal8Bit() + '\n';
    QSaveFile file(m_listPath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

// The frame tells the user at once when the preview did not come up, so its start is confirmed here.
bool FirstStepsRun::startPreview()
{
    if (m_listPath.isEmpty())
        return false;
    const QStringList arguments = CommandLine::arguments(m_box->execPreview(), QDir::toNativeSeparators(m_listPath));
    return m_preview->start(arguments, m_listPath) && m_preview->confirmStarted();
}

QProcess *FirstStepsRun::previewProcess() const
{
    return m_preview->process();
}

void FirstStepsRun::endPreview()
{
    m_preview->close();
    // A list written but never handed to a preview goes too.
    if (!m_listPath.isEmpty())
        QFile::remove(m_listPath);
}

void FirstStepsRun::log(const QString &line) const
{
    if (m_log)
        *m_log << line;
}

int FirstStepsRun::copyFiles(const QStringList &files)
{
    if (m_log)
        m_log->openLog(QStringLiteral("FIRST STEPS"));
    // Hidden halves of copies that were interrupted before are of no use to anyone.
    if (!m_srcPath.isEmpty())
        WholeFileCopy::removeLeftovers(m_srcPath);
    int position = 0;
    for (const QString &file : files) {
        m_outcomes.insert(file, copyFile(file));
        emit copyProgress(++position);
    }
    log(QStringLiteral("    Copied files : %1 of %2 (%3 already there, %4 under a new name, %5 failed)")
            .arg(m_copied)
            .arg(files.size())
            .arg(m_alreadyThere)
            .arg(m_renamed)
            .arg(m_failed));
    if (m_log)
        m_log->closeLog();
    return m_failed;
}

// The name is tried as it is, then with "_1", "_2", ... added to its base name, until a free name or
// one holding the same content turns up.
FirstStepsRun::Outcome FirstStepsRun::copyFile(const QString &file, QString *placedAs)
{
    const QFileInfo source(file);
    const QString native = QDir::toNativeSeparators(file);
    if (m_srcPath.isEmpty() || !source.isFile()) {
        ++m_failed;
        log(QStringLiteral("    Not copied   : %1").arg(native));
        return Failed;
    }
    const QString baseName = source.completeBaseName();
    const QString suffix = source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    QString sourceSum;
    for (int n = 0;; ++n) {
        const QString name = n == 0 ? source.fileName() : baseName + QStringLiteral("_%1").arg(n) + suffix;
        const QString target = m_srcPath + QLatin1Char('/') + name;
        const QFileInfo taken(target);
        if (taken.exists()) {
            if (taken.isFile() && taken.size() == source.size()) {
                if (sourceSum.isEmpty())
                    sourceSum = MySourceFile::computeCheckSum(file);
                if (!sourceSum.isEmpty() && MySourceFile::computeCheckSum(target) == sourceSum) {
                    ++m_copied;
                    ++m_alreadyThere;
                    log(QStringLiteral("    Already there: %1 as %2").arg(native, QDir::toNativeSeparators(target)));
                    if (placedAs)
                        *placedAs = target;
                    return AlreadyThere;
                }
            }
            continue;
        }
        if (!WholeFileCopy::copy(file, target, false)) {
            ++m_failed;
            log(QStringLiteral("    Not copied   : %1").arg(native));
            return Failed;
        }
        ++m_copied;
        if (placedAs)
            *placedAs = target;
        if (n == 0)
            return Copied;
        ++m_renamed;
        log(QStringLiteral("    Name taken   : %1 copied as %2").arg(native, QDir::toNativeSeparators(target)));
        return CopiedUnderNewName;
    }
}

// A ledger that cannot be read offers every file as new; that costs time, never a file.
QList<SeenCheck::Offer> FirstStepsRun::examine(const QFileInfoList &files)
{
    m_ledger.read();
    m_check.reset(new SeenCheck(m_box->name(), SeenCheck::storedCheckSums(m_box), &m_ledger));
    return m_check->check(
        files, [this](int done, int total) { emit examineProgress(done, total); },
        QEventLoop::ExcludeUserInputEvents);
}

bool FirstStepsRun::recordVerdicts(const QList<SeenCheck::Offer> &offers, const QList<bool> &ticked)
{
    if (!m_check)
        return false;
    QList<int> decisions;
    for (int i = 0; i < offers.size(); ++i) {
        const bool isTicked = i < ticked.size() && ticked.at(i);
        decisions << (!isTicked ? 0 : outcomeOf(offers.at(i).path) == Failed ? -1 : 1);
    }
    return m_ledger.append(m_check->verdicts(offers, decisions, QDateTime::currentDateTime()));
}
