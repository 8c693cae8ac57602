#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class QProcess;
class QTemporaryDir;
class QTimer;

// What a copy carries of its object's description; empty parts are left out.
struct CopyDescription
{
    QStringList keywords;
    QString title;
    QString author;
    QString date; // "yyyy:MM:dd", or "yyyy" alone
    QString identifier;
};

// Writes the descriptions of restored copies into the copies as standard metadata (XMP, and IPTC for
// JPEG), or into an XMP sidecar named after the whole copy name when exiftool cannot write the format,
// then reads every one back and compares it value by value. A copy of a format exiftool writes may be
// made by exiftool itself from its source, in one pass instead of a copy and a rewrite. A copy whose
// description did not come back exactly is left plain: its sidecar is removed, a copy exiftool made or
// changed is copied again from its plain source.
//
// All copies go through one exiftool process fed one UTF-8 argument file, so no value needs quoting.
// The process runs beside the window; progressed() follows each copy read back and finished() ends it.
class MetadataWriter : public QObject
{
    Q_OBJECT

public:
    enum Place { NotWritten, Embedded, Sidecar };
    struct Copy
    {
        QString path;
        // The plain file the copy was made from, to make it plain again; never written to.
        QString source;
        CopyDescription description;
        // Where the description is to go, and where it went once read back.
        Place target = NotWritten;
        Place place = NotWritten;
        QString reason;
        // Made by exiftool from the source; when that fails, copied plain (if it can be: see the path).
        bool made = false;
    };

    explicit MetadataWriter(const QString &program, QObject *parent = nullptr);
    ~MetadataWriter() override;

    // The exiftool to use: the program named first in the extractor's command line when that is an
    // exiftool and can be found, otherwise exiftool on the search path; empty when there is none.
    static QString findProgram(const QString &extractorProgram);
    static QString sidecarPath(const QString &copyPath);
    static bool isJpeg(const QString &path);

    QString program() const { return m_program; }
    // A copy at path of source; with make, the copy is not there yet and exiftool makes it.
    void addCopy(const QString &path, const QString &source, const CopyDescription &description,
                 bool make = false);
    // Asks exiftool which formats it writes (once per program); formatsLearned() follows in every case.
    void learnFormats();
    bool formatsSettled() const { return m_formatsKnown || !m_listingFailure.isEmpty(); }
    bool formatsKnown() const { return m_formatsKnown; }
    // Whether exiftool writes into files of this name's format; false until the formats are known.
    bool canEmbed(const QString &path) const;
    // Starts the work; finished() follows in every case, also when there is nothing to write.
    void start();
    bool isRunning() const { return m_started && !m_done; }
    bool isDone() const { return m_done; }
    const QVector<Copy> &copies() const { return m_copies; }
    int describedCount() const;
    int sidecarCount() const;

    // The lines of the argument file for one copy: its write block and its read-back block.
    static QStringList writeBlock(const Copy &copy, int number);
    static QStringList readBlock(const Copy &copy, int number);
    // How long exiftool may stay silent before it is taken as hanging.
    void setSilenceLimit(int ms);
    // The values a copy must read back, by exiftool's group and tag name.
    static QHash<QString, QStringList> expectedValues(const Copy &copy);
    // The values read back (exiftool -j -G1) in the same form.
    static QHash<QString, QStringList> readValues(const QByteArray &json);

signals:
    void formatsLearned();
    void progressed(int done, int total);
    void finished();

private slots:
    void listed();
    void readOutput();
    void readErrors();
    void written();
    void failedToStart();
    void silent();

private:
    void startListing();
    void listingFailed(const QString &reason);
    void startWriting();
    void finish();
    void fail(const QString &reason);
    void verify(Copy &copy, int number);
    void makePlain(Copy &copy);
    QProcess *newProcess();
    // Splits complete lines off the buffer; a marker line closes the segment of its block.
    void takeLines(QByteArray &buffer, QByteArray &segment, bool errors);

    QString m_program;
    QVector<Copy> m_copies;
    // Index into m_copies of each numbered block pair.
    QVector<int> m_planned;
    QSet<QString> m_writable;
    QProcess *m_process = nullptr;
    QTemporaryDir *m_folder = nullptr;
    QTimer *m_watchdog;
    QByteArray m_outBuffer;
    QByteArray m_outSegment;
    QByteArray m_errBuffer;
    QByteArray m_errSegment;
    QHash<int, QByteArray> m_readBack;
    QHash<int, QByteArray> m_writeErrors;
    int m_progress = 0;
    bool m_started = false;
    bool m_done = false;
    bool m_timedOut = false;
    bool m_listing = false;
    bool m_formatsKnown = false;
    QString m_listingFailure;
};
