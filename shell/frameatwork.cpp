#include "frameatwork.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

FrameAtWork::FrameAtWork(QWidget *frame)
    : m_frame(frame)
{
    m_frame->setProperty(PROPERTY, true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

FrameAtWork::~FrameAtWork()
{
    QApplication::restoreOverrideCursor();
    m_frame->setProperty(PROPERTY, false);
}

bool FrameAtWork::isAtWork(const QWidget *frame)
{
    return frame->property(PROPERTY).toBool();
}
