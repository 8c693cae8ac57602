#include "burnrun.h"

#include "commandline.h"
#include "mylogfile.h"

static const QString LOG_TITLE = QStringLiteral("BURNING");

BurnRun::BurnRun(MyLogFile *logFile, QObject *parent)
    : QObject(parent)
    , m_logFile(logFile)
    , m_process(new QProcess(this))
{
    // The burner's messages go into the log; read as they come, so a talkative burner never blocks.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyRead, this, &BurnRun::readOutput);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &BurnRun::processFinished);
}

BurnRun::~BurnRun()
{
    if (running()) {
        disconnect(m_process, nullptr, this, nullptr);
        m_process->kill();
        m_process->waitForFinished(5000);
        log(tr("(!) The burning process was stopped"));
    }
    if (m_open && m_logFile)
        m_logFile->closeLog();
}

bool BurnRun::running() const
{
    return m_process->state() != QProcess::NotRunning;
}

void BurnRun::log(const QString &line)
{
    if (m_logFile)
        *m_logFile << line;
}

bool BurnRun::start(const QString &commandLine, const QString &label, const QString &folder)
{
    if (running() || m_open)
        return false;
    if (m_logFile)
        m_logFile->openLog(LOG_TITLE);
    m_open = true;
    QStringList arguments = CommandLine::arguments(commandLine, {label, folder});
    if (!arguments.isEmpty()) {
        const QString program = arguments.takeFirst();
        log(QStringLiteral("    ") + program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')));
        m_process->start(program, arguments, QIODevice::ReadWrite);
        if (m_process->waitForStarted(-1))
            return true;
    }
    m_status = CannotStart;
    log(tr("(!) The burning process cannot be started: %1").arg(commandLine));
    if (m_logFile)
        m_logFile->closeLog();
    m_open = false;
    emit finished(m_status);
    return false;
}

void BurnRun::readOutput()
{
    const QList<QByteArray> lines = m_process->readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QString text = QString::fromLocal8Bit(line).trimmed();
        if (!text.isEmpty())
            log(QStringLiteral("    ") + text);
    }
}

// A burner that crashed or ended with a non-zero exit code did not burn the disc.
void BurnRun::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    readOutput();
    m_exitCode = exitCode;
    const bool ok = exitStatus == QProcess::NormalExit && exitCode == 0;
    m_status = ok ? Burned : Failed;
    if (exitStatus == QProcess::CrashExit)
        log(tr("(!) The burner crashed"));
    log(tr("Burner exit code: %1").arg(exitCode));
    if (m_logFile)
        m_logFile->closeLog();
    m_open = false;
    emit finished(m_status);
}
