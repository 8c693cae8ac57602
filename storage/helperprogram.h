#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class AnyBox;
class Entry;
class QProcess;

// One outside program that a frame or a run starts: a preview over a list file, the extractor, the
// burner. The program is started without waiting for its end and ended when its owner asks or goes:
// asked to end, killed only after a grace period, never waited for without limit, so it can save its state
// yet never holds the window up. The list file it was started on goes with it, which also tells the
// companions to end. A program that cannot start is reported once. Every process of the main program is
// started and ended through this class; nowhere else is a program terminated or killed.
class HelperProgram : public QObject
{
    Q_OBJECT

public:
    explicit HelperProgram(QObject *parent = nullptr);
    ~HelperProgram() override;

    // The process, for its output and its signals; it belongs to this object.
    QProcess *process() const { return m_process; }
    bool running() const;
    QString listFile() const { return m_listFile; }

    // Starts the program named first with the rest as its arguments, read-write; a run still going is
    // ended first. The list file, when given, is removed when the run is ended. False when there is no
    // program to start; a program that is not there is told through cannotStart(). A list of an earlier
    // run under another name is removed.
    bool start(const QStringList &arguments, const QString &listFile = QString());
    // Writes the box's list of the entries (under the list name) and starts its preview on it.
    QString preview(AnyBox *box, const QString &name, const QList<Entry *> &entries);
    // Writes the box's list of subset i and starts its preview on it; nothing when the subset is empty.
    QString previewSelected(AnyBox *box, int i);
    // Waits at most a short while for a started program to run, for a caller that must know at once
    // whether it came up; the answer of cannotStart() has then arrived too.
    bool confirmStarted();
    // Ends the run; its list stays for the next run over the same list name.
    void end();
    // Ends the run and removes its list file, as when the owner goes.
    void close();

    // The one way a process of the main program is ended.
    static void end(QProcess *process);
    // A program that is meant to outlive its starter (a presentation the user keeps watching).
    static bool startDetached(const QStringList &arguments);

signals:
    // A program that could not be started: once for all the previews of this object, once for each start().
    void cannotStart(const QString &program);

private:
    void processFailed();
    void keepList(const QString &listFile);
    void removeList();

    QProcess *m_process;
    QString m_listFile;
    bool m_reported = false;
};
