// Work that the first paint of a window does not need, run once the window has appeared: the
// window shows as soon as it can, and the work follows from the event loop.
#pragma once

#include <QWidget>
#include <functional>

namespace kv {

// Runs `work` from the event loop once `window` has been shown, exposed and painted for the
// first time; never when the window is destroyed first.
void RunAfterFirstPaint(QWidget& window, std::function<void()> work);

}  // namespace kv
