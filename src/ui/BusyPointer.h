#pragma once
// Shows the hourglass pointer for as long as the object lives.

#include <windows.h>

namespace glyphlog {

class BusyPointer {
 public:
  BusyPointer() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
  BusyPointer(const BusyPointer&) = delete;
  BusyPointer& operator=(const BusyPointer&) = delete;
  ~BusyPointer() { ::SetCursor(previous_ ? previous_ : ::LoadCursorA(nullptr, IDC_ARROW)); }

 private:
  HCURSOR previous_;
};

}  // namespace glyphlog
