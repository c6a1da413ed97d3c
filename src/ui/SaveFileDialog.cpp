// The system's save-file dialog.

#include <windows.h>
// after windows.h, which it builds on
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/CurrentFolderKeeper.h"
#include "ui/DialogOwner.h"
#include "ui/FileDialogSetup.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {
namespace {

constexpr std::size_t kKeptName = 256;  // what the program's file-name field holds

}  // namespace

// Opens in the current folder with `initial` proposed as the name; an
// existing file is replaced without a question, as the user chose it.
std::optional<std::string> SystemPrompts::ChooseFileToSave(const FileRequest& request) {
  const CurrentFolderKeeper keeper;
  FileDialogSetup setup(request, request.initial, DialogOwner(owner_));
  OPENFILENAMEA& dialog = setup.dialog();
  dialog.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!::GetSaveFileNameA(&dialog)) return std::nullopt;
  return setup.ChosenName().substr(0, kKeptName);
}

}  // namespace glyphlog
