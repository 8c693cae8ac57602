#include "burnrun.h"

#include "commandline.h"
#include "helperprogram.h"
#include "mylogfile.h"

static const QString LOG_TITLE = QStringLiteral("BURNING");

BurnRun::BurnRun(MyLogFile *logFile, QObject *parent)
    : QObject(parent)
    , m_logFile(logFile)
    , m_burner(new HelperProgram(this))
    , m_process(m_burner->process())
{
    // The burner's messages go into the log; read as they come, so a talkative burner never blocks.
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_process, &QProcess::readyRead, this, &BurnRun::readOutput);
    connect(m_process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this,
            &BurnRun::processFinished);
    // The start is watched, not waited for: a burner that cannot start is told by its signal.
    connect(m_burner, &HelperProgram::cannotStart, this, &BurnRun::cannotStart);
}

BurnRun::~BurnRun()
{
    if (running()) {
        disconnect(m_process, nullptr, this, nullptr);
        m_burner->disconnect(this);
        m_burner->end();
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
    m_status = NotBurned;
    m_exitCode = -1;
    m_lastLines.clear();
    m_commandLine = commandLine;
    const QStringList arguments = CommandLine::arguments(commandLine, {label, folder});
    if (!arguments.isEmpty())
        log(QStringLiteral("    ") + arguments.join(QLatin1Char(' ')));
    // Without a program the failure is told at once, through the same slot.
    return m_burner->start(arguments) && m_open;
}

void BurnRun::cannotStart()
{
    if (!m_open)
        return;
    m_status = CannotStart;
    log(tr("(!) The burning process cannot be started: %1").arg(m_commandLine));
    if (m_logFile)
        m_logFile->closeLog();
    m_open = false;
    emit finished(m_status);
}

void BurnRun::readOutput()
{
    const QList<QByteArray> lines = m_process->readAll().split('\n');
    for (const QByteArray &line : lines) {
        const QString text = QString::fromLocal8Bit(line).trimmed();
        if (text.isEmpty())
            continue;
        log(QStringLiteral("    ") + text);
        m_lastLines << text;
        if (m_lastLines.size() > LAST_LINES)
            m_lastLines.removeFirst();
    }
}

// A burner that crashed or ended with a non-zero exit code did not burn the disc.
void BurnRun::processFinished(int exitCode, QProcess::ExitStatus exitStatus)
{
    if (!m_open)
        return;
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
