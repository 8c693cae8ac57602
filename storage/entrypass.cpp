#include "entrypass.h"

#include "anybox.h"
#include "entry.h"
#include "myabcfile.h"

// Long enough that the timer's turns cost nothing, short enough that a repaint or a click never waits.
static const int SLICE_MS = 15;

EntryPass::EntryPass(AnyBox *box, Visit visit, QObject *parent)
    : QObject(parent)
    , m_files(box ? box->abcFiles() : QList<MyAbcFile *>())
    , m_visit(std::move(visit))
{
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &EntryPass::slice);
}

void EntryPass::start()
{
    m_started = true;
    m_timer.start();
}

void EntryPass::runAll()
{
    m_started = true;
    m_timer.stop();
    while (m_next < m_files.size())
        readFile(m_files.at(m_next++));
    emit progress(m_next, m_files.size());
    emit finished();
}

void EntryPass::readFile(const MyAbcFile *file)
{
    for (const Entry &entry : file->getAll())
        m_visit(entry);
}

void EntryPass::slice()
{
    QElapsedTimer clock;
    clock.start();
    while (m_next < m_files.size() && clock.elapsed() < SLICE_MS)
        readFile(m_files.at(m_next++));
    emit progress(m_next, m_files.size());
    if (m_next < m_files.size())
        return;
    m_timer.stop();
    emit finished();
}
