#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Opens top-level windows inside the part of the screen that panels leave free: with their preferred size
// and centred where the screen is large enough, shrunk (their minimum lowered with them) where it is not,
// so that the title, the menu bar, the buttons and the status line are never off the screen.
class WindowPlacement
{
public:
    // What a window manager usually puts around a window: before a window is shown its decoration is
    // not known yet, and the window must fit with it.
    static QMargins frameAllowance(const QWidget *window);
    // The free area of the screen the window opens on.
    static QRect availableArea(const QWidget *window);
    // The client rectangle a window of the preferred size gets inside available, decoration included.
    static QRect placement(const QSize &preferred, const QMargins &frame, const QRect &available);
    // Sizes and moves the window (not yet shown) after placement(); lowers its minimum where it must.
    static void fit(QWidget *window, const QSize &preferred, const QRect &available);
    static void fit(QWidget *window, const QSize &preferred);

    // The client rectangle a window stored at stored gets back: its size where it still fits, moved (and
    // shrunk where it must be) so that its frame lies inside available, e.g. after a screen was removed.
    static QRect restored(const QRect &stored, const QMargins &frame, const QRect &available);
    // The free area of the screen that holds most of rect, or of the primary screen when none does.
    static QRect availableAreaFor(const QRect &rect);
    // Puts the window (not yet shown) back where it was stored, inside the screen it was on.
    static void restore(QWidget *window, const QRect &stored, const QRect &available);
    static void restore(QWidget *window, const QRect &stored);
};
