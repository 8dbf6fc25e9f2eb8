// What Qt offers no call for on X11: keeping top-levels out of taskbars and pagers, and asking
// the window manager for the frame it will give a window before it is mapped. Each does
// nothing on other platforms.
#pragma once

#include <QWidget>

namespace qtbackend {

// Sets the states in the property the window manager reads when it maps the window; Qt merges
// its own states into it while showing.
void SkipTaskbarBeforeMap(QWidget& window);
// Asks the window manager to add the states to a mapped window, because a manager that
// withdrew the window late can have erased the property meanwhile.
void SkipTaskbarWhileMapped(QWidget& window);
// The manager answers by setting _NET_FRAME_EXTENTS, which Qt's frame margins read.
void RequestFrameExtents(QWidget& window);

}  // namespace qtbackend
