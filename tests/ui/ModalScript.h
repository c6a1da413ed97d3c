#pragma once
// A user at the keyboard of modal windows, for tests. A modal loop runs
// until the user acts, so the script rides on a timer that the loop itself
// dispatches: each step waits, tick by tick, until its window is there,
// then acts on it. No step ever waits for a fixed time.

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace glyphlog::testing {

class ModalScript {
 public:
  using Finder = std::function<HWND()>;
  using Action = std::function<void(HWND)>;

  ModalScript();
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;
  ~ModalScript();

  ModalScript& Then(Finder find, Action act);
  bool Done() const { return steps_.empty(); }

 private:
  struct Step {
    Finder find;
    Action act;
  };
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Tick();
  void GiveUp();

  HWND window_ = nullptr;
  std::deque<Step> steps_;
  int ticksWaited_ = 0;
  bool acting_ = false;
  bool gaveUp_ = false;
};

// A visible, enabled dialog window of this thread, with `caption` unless
// that is empty; nullptr when there is none.
HWND EnabledDialog(std::string_view caption = {});
// A child of `window`, at any depth, showing `text`; nullptr when none does.
HWND ChildWithText(HWND window, std::string_view text);
std::string WindowText(HWND window);

// What a user's hands do.
void TypeInto(HWND dialog, int control, std::string_view text);  // focus there, then key by key
void PressKey(WPARAM key);                                       // on the focused control
void Click(HWND dialog, int button);

}  // namespace glyphlog::testing
