#include "windowplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Title bar and borders of common window managers; the real figures replace it once the window has them.
static const QMargins DECORATION_ALLOWANCE(4, 36, 4, 4);

QMargins WindowPlacement::frameAllowance(const QWidget *window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                         frame.bottom() - client.bottom());
    return known.isNull() ? DECORATION_ALLOWANCE : known;
}

QRect WindowPlacement::availableArea(const QWidget *window)
{
    QScreen *screen = window->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 600);
}

QRect WindowPlacement::placement(const QSize &preferred, const QMargins &frame, const QRect &available)
{
    const QSize room(qMax(1, available.width() - frame.left() - frame.right()),
                     qMax(1, available.height() - frame.top() - frame.bottom()));
    const QSize size = preferred.boundedTo(room);
    // The frame is centred; integer division as in the rest of the program.
    const int frameWidth = size.width() + frame.left() + frame.right();
    const int frameHeight = size.height() + frame.top() + frame.bottom();
    const QPoint frameTopLeft(available.left() + (available.width() - frameWidth) / 2,
                              available.top() + (available.height() - frameHeight) / 2);
    return QRect(frameTopLeft + QPoint(frame.left(), frame.top()), size);
}

void WindowPlacement::fit(QWidget *window, const QSize &preferred, const QRect &available)
{
    const QMargins frame = frameAllowance(window);
    const QRect client = placement(preferred, frame, available);
    // A minimum larger than the room would push the window off the screen again; contents shrink instead.
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    if (minimum.width() > client.width() || minimum.height() > client.height())
        window->setMinimumSize(minimum.boundedTo(client.size()));
    window->resize(client.size());
    // A top-level window's position is that of its frame.
    window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

void WindowPlacement::fit(QWidget *window, const QSize &preferred)
{
    fit(window, preferred, availableArea(window));
}

QRect WindowPlacement::restored(const QRect &stored, const QMargins &frame, const QRect &available)
{
    const QSize room(qMax(1, available.width() - frame.left() - frame.right()),
                     qMax(1, available.height() - frame.top() - frame.bottom()));
    const QSize size = stored.size().boundedTo(room);
    const int left = qBound(available.left() + frame.left(), stored.left(),
                            available.left() + available.width() - frame.right() - size.width());
    const int top = qBound(available.top() + frame.top(), stored.top(),
                           available.top() + available.height() - frame.bottom() - size.height());
    return QRect(QPoint(left, top), size);
}

QRect WindowPlacement::availableAreaFor(const QRect &rect)
{
    QRect best;
    int bestArea = 0;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QRect common = screen->availableGeometry().intersected(rect);
        const int area = common.isEmpty() ? 0 : common.width() * common.height();
        if (area > bestArea) {
            bestArea = area;
            best = screen->availableGeometry();
        }
    }
    if (best.isNull()) {
        const QScreen *primary = QGuiApplication::primaryScreen();
        best = primary ? primary->availableGeometry() : QRect(0, 0, 1024, 600);
    }
    return best;
}

void WindowPlacement::restore(QWidget *window, const QRect &stored, const QRect &available)
{
    const QMargins frame = frameAllowance(window);
    const QRect client = restored(stored, frame, available);
    const QSize minimum = window->minimumSize().expandedTo(window->minimumSizeHint());
    if (minimum.width() > client.width() || minimum.height() > client.height())
        window->setMinimumSize(minimum.boundedTo(client.size()));
    window->resize(client.size());
    window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

void WindowPlacement::restore(QWidget *window, const QRect &stored)
{
    restore(window, stored, availableAreaFor(stored));
}
