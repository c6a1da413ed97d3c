// The system's folder chooser, in the style that still has a status line.

#include <windows.h>
// after windows.h, which they build on
#include <shlobj.h>

#include "shell/FileSystem.h"
#include "shell/FixedText.h"
#include "ui/CurrentFolderKeeper.h"
#include "ui/DialogOwner.h"
#include "ui/ShellHandles.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {
namespace {

std::string PathOf(LPCITEMIDLIST item) {
  char path[MAX_PATH + 1] = "";
  return item && ::SHGetPathFromIDListA(item, path) ? std::string(path) : std::string();
}

// The folder the chooser starts at, and whether it has shown a selection yet.
struct ChooserStart {
  std::string folder;
  bool selected = false;
  int attempts = 0;
};

void Select(HWND chooser, const ChooserStart& start) {
  ::SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(start.folder.c_str()));
}

// A chooser whose folder tree is still being filled may ignore the first
// selection; it is asked again, a few times, until it shows one. The timer's
// number is the address of the start, which outlives the chooser.
constexpr UINT kSelectAgainMs = 50;
constexpr int kSelectAttempts = 40;

void CALLBACK SelectAgain(HWND chooser, UINT, UINT_PTR timer, DWORD) {
  auto& start = *reinterpret_cast<ChooserStart*>(timer);
  if (start.selected || ++start.attempts > kSelectAttempts) {
    ::KillTimer(chooser, timer);
    return;
  }
  Select(chooser, start);
}

int CALLBACK ChooserEvents(HWND chooser, UINT event, LPARAM detail, LPARAM data) {
  auto& start = *reinterpret_cast<ChooserStart*>(data);
  switch (event) {
    case BFFM_INITIALIZED:
      Select(chooser, start);
      if (!start.selected)
        ::SetTimer(chooser, reinterpret_cast<UINT_PTR>(&start), kSelectAgainMs, SelectAgain);
      break;
    case BFFM_SELCHANGED: {
      const std::string path = PathOf(reinterpret_cast<LPCITEMIDLIST>(detail));
      if (!path.empty()) start.selected = true;
      ::SendMessageA(chooser, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.c_str()));
      break;
    }
    case BFFM_VALIDATEFAILEDA:
      return 1;  // a typed name that is no existing folder: stay open
    default:
      break;
  }
  return 0;
}

}  // namespace

std::optional<std::string> SystemPrompts::ChooseFolder(const FolderRequest& request) {
  const CurrentFolderKeeper keeper;
  ChooserStart start{std::string(WithoutTrailingBlanks(request.startFolder))};
  if (start.folder.empty() || !FolderExists(start.folder)) start.folder = CurrentFolder();

  BROWSEINFOA info{};
  info.hwndOwner = DialogOwner(owner_);
  info.lpszTitle = request.instruction.c_str();
  // The newer chooser style has no status line, so the classic one is used.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_STATUSTEXT;
  info.lpfn = ChooserEvents;
  info.lParam = reinterpret_cast<LPARAM>(&start);

  const UniqueItemList chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return std::nullopt;
  std::string path = PathOf(chosen.get());
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace glyphlog
