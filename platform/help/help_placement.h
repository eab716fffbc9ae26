#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace platform {

// Where a help window of inner size `wanted` goes on a screen whose free area is
// `available`, given the outer rectangle of the caller's window (`callerFrame`, empty when
// there is no caller) and the window system's frame around a window (title bar and
// borders). The result is the help window's outer rectangle: to the right of the caller,
// top edges level, where that fits; otherwise moved left (over the caller's right part)
// and up until the whole frame lies on the screen; without a caller, centred. Its inner
// size is `wanted` made smaller where frame and all would not fit on the screen.
QRect helpWindowFrame(const QRect& available, const QRect& callerFrame, const QMargins& frame,
                      const QSize& wanted);

// Sizes and moves the (not yet shown) help window by helpWindowFrame on the screen of the
// caller's window, or of the program's first visible window when there is no caller, or
// the primary screen; the frame is taken to be as wide as the caller's.
void placeBeside(QWidget* window, const QWidget* caller);

// Moves a shown window, and makes it smaller where needed, so that its frame as the window
// system now reports it lies wholly on the window's screen.
void keepWhollyOnScreen(QWidget* window);

// Calls keepWhollyOnScreen once, when the window is first painted: only then does the
// window system report the frame it has given the window, which placeBeside could only
// estimate from the caller's.
void fitWhenFirstShown(QWidget* window);

} // namespace platform
