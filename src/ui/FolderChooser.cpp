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

int CALLBACK ChooserEvents(HWND chooser, UINT event, LPARAM detail, LPARAM startFolder) {
  switch (event) {
    case BFFM_INITIALIZED:
      ::SendMessageA(chooser, BFFM_SETSELECTIONA, TRUE, startFolder);
      break;
    case BFFM_SELCHANGED: {
      const std::string path = PathOf(reinterpret_cast<LPCITEMIDLIST>(detail));
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
  std::string start(WithoutTrailingBlanks(request.startFolder));
  if (start.empty() || !FolderExists(start)) start = CurrentFolder();

  BROWSEINFOA info{};
  info.hwndOwner = DialogOwner(owner_);
  info.lpszTitle = request.instruction.c_str();
  // The newer chooser style has no status line, so the classic one is used.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_VALIDATE | BIF_STATUSTEXT;
  info.lpfn = ChooserEvents;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());

  const UniqueItemList chosen(::SHBrowseForFolderA(&info));
  if (!chosen) return std::nullopt;
  std::string path = PathOf(chosen.get());
  if (path.empty()) return std::nullopt;
  return path;
}

}  // namespace glyphlog
