#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The ledger of every file First steps has offered: one line per verdict, appended whole and synced,
// never rewritten. Fields joined by "~": MD5, size in bytes, modification time in seconds since the
// epoch, box name, verdict ("copied" or "rejected"), date of the verdict "dd.MM.yyyy hh:mm", and the
// file's name with "%", "~" and control characters percent-encoded. A line that does not parse is
// skipped. Widget-free.
class SeenLedger
{
public:
    enum Verdict { Copied, Rejected };
    struct Line
    {
        QString checkSum;
        qint64 size = 0;
        qint64 modified = 0;
        QString boxName;
        Verdict verdict = Copied;
        QDateTime date;
        QString fileName;
    };

    explicit SeenLedger(const QString &path);
    // The ledger of the base folder at basePath.
    static QString pathIn(const QString &basePath);
    QString path() const { return m_path; }

    // Reads the whole ledger again; false only when it exists and cannot be opened (then it holds nothing).
    bool read();
    const QList<Line> &lines() const { return m_lines; }
    int skippedCount() const { return m_skipped; }

    // The checksum of a file seen before with this name, size and modification time; empty if none.
    QString checkSumOf(const QString &fileName, qint64 size, qint64 modified) const;
    // The last verdict on this content in this box; null when there is none.
    const Line *lastVerdict(const QString &checkSum, const QString &boxName) const;

    // Appends the lines at the end in one write and syncs them; the lines are then known to this object too.
    bool append(const QList<Line> &lines);

    static QString format(const Line &line);
    static bool parse(const QString &text, Line *line);
    static QString encodeName(const QString &name);
    static QString decodeName(const QString &encoded, bool *ok = nullptr);
    static QString verdictText(Verdict verdict);

    // No real line comes near this; longer ones are skipped without being kept in memory.
    static const int MAX_LINE = 16384;

private:
    void index(int position);
    static QString stampKey(const QString &fileName, qint64 size, qint64 modified);

    QString m_path;
    QList<Line> m_lines;
    int m_skipped = 0;
    QHash<QString, int> m_byStamp;
    QHash<QString, int> m_byVerdict;
};
