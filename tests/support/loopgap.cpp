#include "loopgap.h"

LoopGap::LoopGap(QObject *parent)
    : QObject(parent)
{
    m_timer.setInterval(10);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &LoopGap::tick);
    restart();
}

void LoopGap::restart()
{
    m_longest = 0;
    m_sinceTick.start();
    m_timer.start();
}

qint64 LoopGap::longestMs() const
{
    return qMax(m_longest, m_sinceTick.elapsed());
}

qint64 LoopGap::allowedMs(qint64 limit)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return limit * 8;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return limit * 8;
#else
    return limit;
#endif
#else
    return limit;
#endif
}

void LoopGap::tick()
{
    m_longest = qMax(m_longest, m_sinceTick.restart());
}
