#include "boxinforun.h"

#include <QDir>

#include "anybox.h"
#include "category.h"
#include "constants.h"
#include "entry.h"
#include "myabcfile.h"
#include "mytmpfile.h"


BoxInfoRun::BoxInfoRun(AnyBox *box, QObject *parent)
    : QObject(parent)
    , m_box(box)
    , m_dateFormat(box ? box->dateFormat() : QString())
    , m_sessions(m_dateFormat)
{
}

void BoxInfoRun::run()
{
    if (!m_box)
        return;
    const Category category = m_box->category();
    for (MyAbcFile *file : m_box->abcFiles()) {
        for (const Entry &entry : file->getAll()) {
            readEntry(entry);
            // Only a group's prime counts as lacking something.
            if (entry.getField(Entry::RemarkField) == entry.getField(Entry::ResembleField)) {
                if (category.isEmpty(entry.getField(Entry::CategoryField).toUInt()))
                    ++m_withoutCategory;
                const QString keywords = entry.getField(Entry::KeywordField);
                if (keywords.isEmpty() || keywords.contains(SIGN_UNKNOWN))
                    ++m_withoutKeywords;
                const QString caption = entry.getField(Entry::CaptionField);
                if (caption.isEmpty() || caption.contains(SIGN_UNKNOWN))
                    ++m_withoutCaption;
            }
        }
        emit abcFileRead();
    }

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

void BoxInfoRun::readEntry(const Entry &entry)
{
    ++m_remarks;
    const QDate day = m_sessions.add(entry);
    if (!day.isValid())
        return;
    if (!m_firstDate.isValid() || day < m_firstDate)
        m_firstDate = day;
    if (!m_lastDate.isValid() || day > m_lastDate)
        m_lastDate = day;
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
