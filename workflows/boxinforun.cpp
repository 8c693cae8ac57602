#include "boxinforun.h"

#include <QDir>

#include "anybox.h"
#include "category.h"
#include "constants.h"
#include "entrypass.h"
#include "entry.h"
#include "myabcfile.h"
#include "mytmpfile.h"


BoxInfoRun::BoxInfoRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_dateFormat(box ? box->dateFormat() : QString())
    , m_category(box ? box->category() : Category())
    , m_sessions(m_dateFormat)
    , m_pass(new EntryPass(box, [this](const Entry &entry) { readEntry(entry); }, this))
{
    connect(m_pass, &EntryPass::progress, this, &BoxInfoRun::progress);
    connect(m_pass, &EntryPass::finished, this, &BoxInfoRun::readListsAndTemplates);
}

void BoxInfoRun::run()
{
    m_pass->runAll();
}

void BoxInfoRun::start()
{
    m_pass->start();
}

bool BoxInfoRun::isFinished() const
{
    return m_finished;
}

void BoxInfoRun::readListsAndTemplates()
{
    if (m_box) {
        if (auto templates = dynamic_cast<MyTmpFile *>(m_box->unit(NAME_TMP_FILE))) {
            templates->loadTemplates(m_box->objectName());
            m_templates = templates->templatesCount(m_box->objectName());
        }
        if (MyUnit *lists = m_box->unit(NAME_SLD_FOLDER)) {
            for (const QFileInfo &file : QDir(lists->completeName()).entryInfoList(QDir::Files)) {
                if (file.suffix() == m_box->extPlayList())
                    ++m_albums;
            }
        }
    }
    m_finished = true;
    emit finished();
}

void BoxInfoRun::readEntry(const Entry &entry)
{
    ++m_remarks;
    const QDate day = m_sessions.add(entry);
    if (day.isValid()) {
        if (!m_firstDate.isValid() || day < m_firstDate)
            m_firstDate = day;
        if (!m_lastDate.isValid() || day > m_lastDate)
            m_lastDate = day;
    }
    // Only a group's prime counts as lacking something.
    if (entry.getField(Entry::RemarkField) != entry.getField(Entry::ResembleField))
        return;
    if (m_category.isEmpty(entry.getField(Entry::CategoryField).toUInt()))
        ++m_withoutCategory;
    const QString keywords = entry.getField(Entry::KeywordField);
    if (keywords.isEmpty() || keywords.contains(SIGN_UNKNOWN))
        ++m_withoutKeywords;
    const QString caption = entry.getField(Entry::CaptionField);
    if (caption.isEmpty() || caption.contains(SIGN_UNKNOWN))
        ++m_withoutCaption;
}

QString BoxInfoRun::actuality(int count) const
{
    if (m_remarks == 0)
        return QStringLiteral("-");
    return QString::number(100.0 - double(count) * 100.0 / double(m_remarks), 'f', 2);
}

QString BoxInfoRun::spanText(const QDate &earliest, const QDate &latest) const
{
    if (!earliest.isValid())
        return QStringLiteral("-");
    if (earliest == latest)
        return earliest.toString(m_dateFormat);
    return earliest.toString(m_dateFormat) + QStringLiteral(" - ") + latest.toString(m_dateFormat);
}
