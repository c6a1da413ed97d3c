#include "OtherProgram.h"

// after windows.h, which it builds on
#include <commctrl.h>

#include <chrono>
#include <optional>
#include <thread>

#include "ModalScript.h"

namespace glyphlog::testing {
namespace {

constexpr auto kPatience = std::chrono::seconds(60);
constexpr auto kPoll = std::chrono::milliseconds(20);

struct WindowSearch {
  DWORD processId;
  const std::function<bool(std::string_view)>& wanted;
  HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
  auto& search = *reinterpret_cast<WindowSearch*>(lParam);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search.processId || !::IsWindowVisible(window) || !::IsWindowEnabled(window)) return TRUE;
  if (!search.wanted(WindowText(window))) return TRUE;
  search.found = window;
  return FALSE;
}

// Memory inside the other program, for messages that carry pointers.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, std::size_t size)
      : process_(process), address_(::VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {}
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) ::VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  char* address() const { return static_cast<char*>(address_); }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

OtherProgram::OtherProgram(const std::string& exe, const std::string& folder) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string commandLine = "\"" + exe + "\"";
  if (::CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                       &startup, &started)) {
    ::CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    processId_ = started.dwProcessId;
  }
}

OtherProgram::~OtherProgram() {
  if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
    ::TerminateProcess(process_.get(), 99);
    ::WaitForSingleObject(process_.get(), INFINITE);
  }
}

bool WaitUntil(const std::function<bool()>& ready) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!ready()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(kPoll);
  }
  return true;
}

HWND OtherProgram::WaitForWindow(const std::function<bool(std::string_view)>& wanted) const {
  WindowSearch search{processId_, wanted};
  WaitUntil([&] {
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr;
  });
  return search.found;
}

std::optional<DWORD> OtherProgram::WaitForExit() const {
  const auto patience = std::chrono::duration_cast<std::chrono::milliseconds>(kPatience).count();
  if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(patience)) != WAIT_OBJECT_0)
    return std::nullopt;
  DWORD code = 0;
  ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

HWND OtherProgram::Focus(HWND window) const {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

std::vector<std::vector<std::string>> OtherProgram::ListRows(HWND list, int columns) const {
  constexpr std::size_t kTextSize = 1024;
  RemoteBuffer remote(process_.get(), sizeof(LVITEMA) + kTextSize);
  std::vector<std::vector<std::string>> rows;
  const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::string>& texts = rows.emplace_back();
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = remote.address() + sizeof(LVITEMA);
      item.cchTextMax = kTextSize;
      ::WriteProcessMemory(process_.get(), remote.address(), &item, sizeof item, nullptr);
      const auto length = static_cast<std::size_t>(::SendMessageA(
          list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(remote.address())));
      std::string text(length, '\0');
      ::ReadProcessMemory(process_.get(), item.pszText, text.data(), length, nullptr);
      texts.push_back(std::move(text));
    }
  }
  return rows;
}

std::string ControlText(HWND control) {
  std::string text(static_cast<std::size_t>(::SendMessageA(control, WM_GETTEXTLENGTH, 0, 0)) + 1, '\0');
  text.resize(static_cast<std::size_t>(
      ::SendMessageA(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

void PostKey(HWND control, WPARAM key) {
  ::PostMessageA(control, WM_KEYDOWN, key, 1);
  ::PostMessageA(control, WM_KEYUP, key, 0xC0000001);
}

void PostClick(HWND dialog, int button) { ::PostMessageA(::GetDlgItem(dialog, button), BM_CLICK, 0, 0); }

}  // namespace glyphlog::testing
