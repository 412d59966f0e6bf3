#pragma once

#include <QSize>

namespace WindowSizing {

// Gives the application's first top-level window (in the order windows were created) the
// content size `size`. Does nothing when the application has no window.
void resizeFirstWindow(QSize size);

} // namespace WindowSizing
