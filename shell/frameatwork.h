#pragma once

class QWidget;

// While a frame runs a long loop (copies, a scan, a backup), the main window neither closes nor replaces
// it: half a run must never be left on the disk. An object of this class marks the frame for the time it
// lives and shows the wait cursor; the main window asks isAtWork() before it takes a frame away.
class FrameAtWork
{
public:
    static constexpr const char *PROPERTY = "atWork";

    explicit FrameAtWork(QWidget *frame);
    ~FrameAtWork();
    FrameAtWork(const FrameAtWork &) = delete;
    FrameAtWork &operator=(const FrameAtWork &) = delete;

    static bool isAtWork(const QWidget *frame);

private:
    QWidget *m_frame;
};
