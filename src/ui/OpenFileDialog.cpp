// The system's open-file dialog, started from what the user already has.

#include <windows.h>
// after windows.h, which it builds on
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "shell/FileSystem.h"
#include "shell/FixedText.h"
#include "ui/CurrentFolderKeeper.h"
#include "ui/DialogOwner.h"
#include "ui/FileDialogSetup.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {
namespace {

struct OpenStart {
  std::string folder;  // empty: the current folder
  std::string name;    // proposed in the name box
};

// Letters and separators a file name may hold; a drive's colon only second.
bool IsWellFormedPath(std::string_view path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    const auto c = static_cast<unsigned char>(path[i]);
    if (c < 32 || std::string_view("<>\"|?*").find(path[i]) != std::string_view::npos) return false;
    if (c == ':' && i != 1) return false;
  }
  return true;
}

// A folder (existing, or written with a closing backslash) opens with an
// empty name; anything else is proposed as the name, in its own folder.
OpenStart StartFrom(std::string_view value) {
  if (value.empty() || !IsWellFormedPath(value)) return {};
  if (value.back() == '\\' || value.back() == '/' || FolderExists(value)) return {std::string(value), {}};
  const std::size_t cut = value.find_last_of("\\/:");
  if (cut == std::string_view::npos) return {{}, std::string(value)};
  return {std::string(value.substr(0, cut + 1)), std::string(value.substr(cut + 1))};
}

}  // namespace

std::optional<std::string> SystemPrompts::ChooseFileToOpen(const FileRequest& request) {
  const CurrentFolderKeeper keeper;
  OpenStart start = StartFrom(WithoutTrailingBlanks(request.initial));
  if (start.folder.empty()) start.folder = CurrentFolder();

  FileDialogSetup setup(request, start.name, DialogOwner(owner_));
  OPENFILENAMEA& dialog = setup.dialog();
  dialog.lpstrInitialDir = start.folder.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                 OFN_LONGNAMES;
  if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
  return setup.ChosenName();
}

}  // namespace glyphlog
