#pragma once

#include <QWidget>

namespace menu {

// Puts top-level `window`, with inner size `innerSize`, in the middle of its screen.
void centreOnScreen(QWidget& window, QSize innerSize);

} // namespace menu
