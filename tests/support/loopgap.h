#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// Measures how long the event loop of the thread it lives in was kept from running: a 10 ms timer notes
// the longest time between two of its ticks. Work done without returning to the loop shows as a gap.
class LoopGap : public QObject
{
    Q_OBJECT

public:
    explicit LoopGap(QObject *parent = nullptr);

    // Starts a new measurement; the time until the next tick counts already.
    void restart();
    // The longest gap so far in milliseconds, counting the time since the last tick.
    qint64 longestMs() const;
    // The limit a test allows: generous under the sanitizers, whose builds run several times slower.
    static qint64 allowedMs(qint64 limit);

private:
    void tick();

    QTimer m_timer;
    QElapsedTimer m_sinceTick;
    qint64 m_longest = 0;
};
