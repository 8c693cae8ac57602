#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class AnyBox;
class MyLogFile;

// Removes from the source folder the files that an arrangement left there because the box already holds
// their content. Each file is read again first: one whose content no longer has the stored object's
// checksum is left and reported. Widget-free; the checksums are computed on the work pool.
class DuplicateRemoval : public QObject
{
    Q_OBJECT

public:
    // identical: full path -> checksum, as the arrangement run reports them.
    DuplicateRemoval(AnyBox *box, const QHash<QString, QString> &identical, QObject *parent = nullptr);

    // The files still there whose checksum an entry of the box holds, sorted by path.
    QStringList candidates() const { return m_candidates; }
    int count() const { return m_candidates.size(); }

    // Runs once, with a log block; returns the number of files removed.
    int run();
    int removedCount() const { return m_removed; }
    int changedCount() const { return m_changed; }
    int failedCount() const { return m_failed; }

signals:
    void progress(int done, int total);

private:
    void log(const QString &line) const;

    MyLogFile *m_log;
    QHash<QString, QString> m_identical;
    QHash<QString, QString> m_remarks;
    QStringList m_candidates;
    bool m_ran = false;
    int m_removed = 0;
    int m_changed = 0;
    int m_failed = 0;
};
