#pragma once

#include <QDate>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QString>

#include "category.h"
#include "sessionfigures.h"

class AnyBox;
class Entry;
class EntryPass;

// The figures of the box info frame, gathered in one pass over every entry of the box. Widget-free,
// so the frame, the tests and the benchmark run the same pass.
class BoxInfoRun : public QObject
{
    Q_OBJECT

public:
    using Session = SessionFigures::Session;

    explicit BoxInfoRun(AnyBox *box, QObject *parent = nullptr);

    // The pass over all abc files, now; also counts templates and albums.
    void run();
    // The same pass from the event loop, a slice at a time; finished() tells when the figures are ready.
    void start();
    bool isFinished() const;

    int remarkCount() const { return m_remarks; }
    const QMap<unsigned, Session> &sessions() const { return m_sessions.sessions(); }
    unsigned lastSession() const { return sessions().isEmpty() ? 0 : sessions().lastKey(); }
    QDate firstDate() const { return m_firstDate; }
    QDate lastDate() const { return m_lastDate; }
    // Groups (counted by their primes) that lack a category, keywords or a caption.
    int withoutCategory() const { return m_withoutCategory; }
    int withoutKeywords() const { return m_withoutKeywords; }
    int withoutCaption() const { return m_withoutCaption; }
    int templateCount() const { return m_templates; }
    int albumCount() const { return m_albums; }

    // 100 - count * 100 / remarks, with two decimals; "-" for an empty box.
    QString actuality(int count) const;
    // The single date, or earliest - latest, in the box's date format.
    QString spanText(const QDate &earliest, const QDate &latest) const;

signals:
    void progress(int filesRead, int fileCount);
    void finished();

private:
    void readEntry(const Entry &entry);
    void readListsAndTemplates();

    AnyBox *m_box;
    QString m_dateFormat;
    Category m_category;
    int m_remarks = 0;
    SessionFigures m_sessions;
    QDate m_firstDate;
    QDate m_lastDate;
    int m_withoutCategory = 0;
    int m_withoutKeywords = 0;
    int m_withoutCaption = 0;
    int m_templates = 0;
    int m_albums = 0;
    EntryPass *m_pass;
    bool m_finished = false;
};
