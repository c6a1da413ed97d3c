#pragma once
// Tips that show when the pointer rests on a dialog's controls.

#include <windows.h>

#include <span>

namespace glyphlog {

struct ControlTip {
  WORD id;
  const char* text;
};

// Gives `dialog` a tooltip window with one tip per control. The tooltip
// window is owned by the dialog and goes away with it.
void AttachTips(HWND dialog, std::span<const ControlTip> tips);

}  // namespace glyphlog
