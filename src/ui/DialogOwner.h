#pragma once
// The window a system dialog is modal to.

#include <windows.h>

namespace glyphlog {

// `owner` when one was given, else the thread's active window, so that a
// dialog opened from inside another (a browse from the settings dialog)
// stays modal to it.
inline HWND DialogOwner(HWND owner) { return owner ? owner : ::GetActiveWindow(); }

}  // namespace glyphlog
