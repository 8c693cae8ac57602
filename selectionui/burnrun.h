#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

class HelperProgram;
class MyLogFile;

// A disc burn: runs the burner command line of the settings over a folder, with the disk label
// and the folder in place of "%1" and "%2", and logs it in a BURNING block. Widget-free; the print
// restore frames drive it. A burn that ended may be started again; a burner still running when the
// run goes is stopped.
class BurnRun : public QObject
{
    Q_OBJECT

public:
    enum Status { NotBurned = 0, Burned = 1, CannotStart = 2, Failed = 3 };

    BurnRun(MyLogFile *logFile, QObject *parent = nullptr);
    ~BurnRun() override;

    // Starts the burner without waiting for it; false (status CannotStart) when there is no program. A
    // program that cannot start is told by finished() with the status CannotStart.
    bool start(const QString &commandLine, const QString &label, const QString &folder);
    bool running() const;
    Status status() const { return m_status; }
    int exitCode() const { return m_exitCode; }
    // The last lines the burner wrote (at most LAST_LINES), so that a failure can say why.
    QStringList lastLines() const { return m_lastLines; }
    static const int LAST_LINES = 3;

signals:
    void finished(int status);

private slots:
    void readOutput();
    void cannotStart();
    void processFinished(int exitCode, QProcess::ExitStatus exitStatus);

private:
    void log(const QString &line);

    MyLogFile *m_logFile;
    HelperProgram *m_burner;
    QProcess *m_process;
    QString m_commandLine;
    Status m_status = NotBurned;
    int m_exitCode = -1;
    QStringList m_lastLines;
    bool m_open = false;
};
