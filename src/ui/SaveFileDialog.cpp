// The system's save-file dialog.

#include <windows.h>
// after windows.h, which it builds on
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "ui/CurrentFolderKeeper.h"
#include "ui/DialogOwner.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {
namespace {

constexpr std::size_t kNameBuffer = 1024;
constexpr std::size_t kKeptName = 256;  // what the program's file-name field holds

}  // namespace

// Opens in the current folder with `initial` proposed as the name; an
// existing file is replaced without a question, as the user chose it.
std::optional<std::string> SystemPrompts::ChooseFileToSave(const FileRequest& request) {
  const CurrentFolderKeeper keeper;
  std::vector<char> name(kNameBuffer, '\0');
  request.initial.copy(name.data(), std::min(request.initial.size(), kNameBuffer - 1));
  const std::string filter = request.filterLabel + '\0' + request.filterPattern + '\0' + '\0';

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = DialogOwner(owner_);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = name.data();
  dialog.nMaxFile = static_cast<DWORD>(name.size());
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_LONGNAMES | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!::GetSaveFileNameA(&dialog)) return std::nullopt;
  return std::string(name.data()).substr(0, kKeptName);
}

}  // namespace glyphlog
