#include "duplicateremoval.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

#include "anybox.h"
#include "constants.h"
#include "mylogfile.h"
#include "mysourcefile.h"
#include "seencheck.h"

DuplicateRemoval::DuplicateRemoval(AnyBox *box, const QHash<QString, QString> &identical, QObject *parent)
    : QObject(parent)
    , m_log(box ? dynamic_cast<MyLogFile *>(box->unit(NAME_LOG_FILE)) : nullptr)
    , m_identical(identical)
{
    // Only a file whose content the box holds now counts: the second of two identical incoming files
    // once the first was stored, not when the first could not be placed.
    const QHash<QString, QString> stored = SeenCheck::storedCheckSums(box);
    for (auto i = identical.constBegin(); i != identical.constEnd(); ++i) {
        const auto remark = stored.constFind(i.value());
        if (remark == stored.constEnd() || !QFileInfo(i.key()).isFile())
            continue;
        m_candidates << i.key();
        m_remarks.insert(i.key(), *remark);
    }
    std::sort(m_candidates.begin(), m_candidates.end());
}

void DuplicateRemoval::log(const QString &line) const
{
    if (m_log)
        *m_log << line;
}

int DuplicateRemoval::run()
{
    if (m_ran)
        return 0;
    m_ran = true;
    if (m_log)
        m_log->openLog(QStringLiteral("REMOVE DUPLICATES"));
    const QStringList sums = MySourceFile::computeCheckSums(
        m_candidates, [this](int done) { emit progress(done, m_candidates.size()); },
        QEventLoop::ExcludeUserInputEvents);
    for (int i = 0; i < m_candidates.size(); ++i) {
        const QString &path = m_candidates.at(i);
        const QString native = QDir::toNativeSeparators(path);
        if (sums.at(i) != m_identical.value(path)) {
            ++m_changed;
            log(QStringLiteral("    Changed, left: %1").arg(native));
            continue;
        }
        if (!QFile::remove(path)) {
            ++m_failed;
            log(QStringLiteral("    Not removed  : %1").arg(native));
            continue;
        }
        ++m_removed;
        log(QStringLiteral("    Removed      : %1 (in box as %2)").arg(native, m_remarks.value(path)));
    }
    log(QStringLiteral("    Removed files: %1 of %2 (%3 changed since, %4 failed)")
            .arg(m_removed)
            .arg(m_candidates.size())
            .arg(m_changed)
            .arg(m_failed));
    if (m_log)
        m_log->closeLog();
    return m_removed;
}
