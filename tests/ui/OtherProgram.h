#pragma once
// A user at the keyboard of another program: starts it, waits for its
// windows, types into them, presses their buttons and reads what they show.
// Every wait polls for a state and gives up after a deadline.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shell/Handles.h"

namespace glyphlog::testing {

struct KernelHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::CloseHandle(h); }
};
using UniqueKernelHandle = UniqueResource<KernelHandleTraits>;

class OtherProgram {
 public:
  // Starts `exe` with `folder` current; ends it by force if it is still
  // running when the object goes.
  OtherProgram(const std::string& exe, const std::string& folder);
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;
  ~OtherProgram();

  bool Started() const { return static_cast<bool>(process_); }

  // The program's first visible, enabled top-level window whose caption
  // satisfies `wanted`; nullptr after the deadline.
  HWND WaitForWindow(const std::function<bool(std::string_view caption)>& wanted) const;
  // The exit code once the program has ended; nothing after the deadline.
  std::optional<DWORD> WaitForExit() const;

  // The control that has the keyboard focus in the program's window thread.
  HWND Focus(HWND window) const;
  // The texts of every row of a report-mode list view, column by column.
  std::vector<std::vector<std::string>> ListRows(HWND list, int columns) const;

 private:
  UniqueKernelHandle process_;
  DWORD processId_ = 0;
};

// Asks `ready` again and again until it says yes (true) or the deadline
// passes (false).
bool WaitUntil(const std::function<bool()>& ready);
// What a control of another program shows; GetWindowText does not ask
// another program's controls.
std::string ControlText(HWND control);
// A key pressed and released on `control`, through its thread's queue.
void PostKey(HWND control, WPARAM key);
// A button clicked without waiting for what the click opens.
void PostClick(HWND dialog, int button);

}  // namespace glyphlog::testing
