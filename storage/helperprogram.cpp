#include "helperprogram.h"

#include <QFile>
#include <QProcess>

#include "anybox.h"
#include "commandline.h"

namespace {

// Long enough for a viewer to save its state, short enough that a closing frame is not felt to hang.
const int GRACE_MS = 3000;
// Starting is a fork and an exec; a program still not up after this is taken as running.
const int START_MS = 3000;

} // namespace

HelperProgram::HelperProgram(QObject *parent)
    : QObject(parent)
    , m_process(new QProcess(this))
{
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            processFailed();
    });
}

HelperProgram::~HelperProgram()
{
    // The owner goes: its program and its list go with it, and no signal reaches the half-destroyed owner.
    m_process->disconnect(this);
    close();
}

bool HelperProgram::running() const
{
    return m_process->state() != QProcess::NotRunning;
}

bool HelperProgram::start(const QStringList &arguments, const QString &listFile)
{
    end();
    // Each start the owner asks for is a try of its own; previews started again and again say it once.
    m_reported = false;
    keepList(listFile);
    if (!CommandLine::start(m_process, arguments)) {
        processFailed();
        return false;
    }
    return true;
}

QString HelperProgram::preview(AnyBox *box, const QString &name, const QList<Entry *> &entries)
{
    end();
    keepList(box->previewList(name, entries, m_process));
    return m_listFile;
}

QString HelperProgram::previewSelected(AnyBox *box, int i)
{
    end();
    keepList(box->previewSelected(i, m_process));
    return m_listFile;
}

bool HelperProgram::confirmStarted()
{
    if (m_process->state() == QProcess::Starting)
        m_process->waitForStarted(START_MS);
    return m_process->state() == QProcess::Running;
}

void HelperProgram::end()
{
    end(m_process);
}

void HelperProgram::close()
{
    end();
    removeList();
}

void HelperProgram::end(QProcess *process)
{
    if (!process)
        return;
    // A program still starting is let start first: a signal sent before that would hit the copy of this
    // program that is about to become it.
    if (process->state() == QProcess::Starting)
        process->waitForStarted(GRACE_MS);
    if (process->state() == QProcess::NotRunning)
        return;
    process->terminate();
    if (!process->waitForFinished(GRACE_MS)) {
        process->kill();
        process->waitForFinished(GRACE_MS);
    }
}

bool HelperProgram::startDetached(const QStringList &arguments)
{
    if (arguments.isEmpty() || arguments.first().isEmpty())
        return false;
    return QProcess::startDetached(arguments.first(), arguments.mid(1));
}

void HelperProgram::processFailed()
{
    if (m_reported)
        return;
    m_reported = true;
    emit cannotStart(m_process->program());
}

// A list of an earlier run that the new one does not reuse is not left behind.
void HelperProgram::keepList(const QString &listFile)
{
    if (listFile != m_listFile)
        removeList();
    m_listFile = listFile;
}

void HelperProgram::removeList()
{
    if (!m_listFile.isEmpty() && QFile::exists(m_listFile))
        QFile::remove(m_listFile);
    m_listFile.clear();
}
