#include "ModalScript.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphlog::testing {
namespace {

constexpr char kClassName[] = "glyphlog-test-modal-script";
constexpr UINT kTickMs = 10;
constexpr int kPatienceTicks = 3000;  // a step that never becomes possible fails the test

struct DialogSearch {
  std::string_view caption;
  HWND found = nullptr;
};

BOOL CALLBACK MatchDialog(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<DialogSearch*>(lParam);
  char className[16] = "";
  ::GetClassNameA(window, className, sizeof className);
  if (std::string_view(className) != "#32770" || !::IsWindowVisible(window) || !::IsWindowEnabled(window))
    return TRUE;
  if (!search.caption.empty() && WindowText(window) != search.caption) return TRUE;
  search.found = window;
  return FALSE;
}

struct TextSearch {
  std::string_view text;
  HWND found = nullptr;
};

BOOL CALLBACK MatchText(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<TextSearch*>(lParam);
  if (WindowText(window) != search.text) return TRUE;
  search.found = window;
  return FALSE;
}

BOOL CALLBACK AppendText(HWND window, LPARAM lParam) {
  *reinterpret_cast<std::string*>(lParam) += " [" + WindowText(window) + "]";
  return TRUE;
}

}  // namespace

ModalScript::ModalScript() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = &ModalScript::Procedure;
  windowClass.hInstance = ::GetModuleHandleA(nullptr);
  windowClass.lpszClassName = kClassName;
  ::RegisterClassA(&windowClass);  // fails harmlessly when already registered
  window_ = ::CreateWindowExA(0, kClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ::GetModuleHandleA(nullptr), nullptr);
  ::SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetTimer(window_, 1, kTickMs, nullptr);
}

ModalScript::~ModalScript() {
  ::KillTimer(window_, 1);
  ::DestroyWindow(window_);
  EXPECT_TRUE(Done()) << steps_.size() << " step(s) of the script never ran";
}

ModalScript& ModalScript::Then(Finder find, Action act) {
  steps_.push_back({std::move(find), std::move(act)});
  return *this;
}

LRESULT CALLBACK ModalScript::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_TIMER && ::GetWindowLongPtrA(window, GWLP_USERDATA)) {
    reinterpret_cast<ModalScript*>(::GetWindowLongPtrA(window, GWLP_USERDATA))->Tick();
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

void ModalScript::Tick() {
  if (acting_ || (steps_.empty() && !gaveUp_)) return;
  if (gaveUp_ || ++ticksWaited_ > kPatienceTicks) return GiveUp();
  const HWND target = steps_.front().find();
  if (!target) return;
  const Step step = std::move(steps_.front());
  steps_.pop_front();
  ticksWaited_ = 0;
  acting_ = true;
  step.act(target);
  acting_ = false;
}

// Closes whatever dialog is still open so that the test ends and reports
// what that dialog showed.
void ModalScript::GiveUp() {
  const HWND stuck = EnabledDialog();
  if (!gaveUp_) {
    std::string shown = stuck ? "\"" + WindowText(stuck) + "\" showing" : "no dialog open";
    if (stuck) ::EnumChildWindows(stuck, AppendText, reinterpret_cast<LPARAM>(&shown));
    ADD_FAILURE() << "a scripted window never appeared; " << shown;
  }
  gaveUp_ = true;
  steps_.clear();
  if (stuck) ::PostMessageA(stuck, WM_COMMAND, IDCANCEL, 0);
}

HWND EnabledDialog(std::string_view caption) {
  DialogSearch search{caption};
  ::EnumThreadWindows(::GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ChildWithText(HWND window, std::string_view text) {
  TextSearch search{text};
  ::EnumChildWindows(window, MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void TypeInto(HWND dialog, int control, std::string_view text) {
  const HWND entry = ::GetDlgItem(dialog, control);
  ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(entry), TRUE);
  ::SendMessageA(entry, EM_SETSEL, 0, -1);
  for (char c : text) ::SendMessageA(entry, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(WPARAM key) {
  // Through the queue, as a real key arrives, so that the dialog's loop sees it.
  ::PostMessageA(::GetFocus(), WM_KEYDOWN, key, 1);
  ::PostMessageA(::GetFocus(), WM_KEYUP, key, 0xC0000001);
}

void Click(HWND dialog, int button) { ::SendMessageA(::GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

}  // namespace glyphlog::testing
