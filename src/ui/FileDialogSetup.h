#pragma once
// What the open and save dialogs share: the name buffer with the proposed
// name, the single file-type choice, the title and the owner.

#include <windows.h>
// after windows.h, which it builds on
#include <commdlg.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Prompts.h"

namespace glyphlog {

class FileDialogSetup {
 public:
  FileDialogSetup(const FileRequest& request, std::string_view proposedName, HWND owner)
      : name_(kNameBuffer, '\0'),
        filter_(request.filterLabel + '\0' + request.filterPattern + '\0' + '\0'),
        title_(request.title) {
    proposedName.copy(name_.data(), std::min(proposedName.size(), kNameBuffer - 1));
    dialog_.lStructSize = sizeof dialog_;
    dialog_.hwndOwner = owner;
    dialog_.lpstrFilter = filter_.c_str();
    dialog_.nFilterIndex = 1;
    dialog_.lpstrFile = name_.data();
    dialog_.nMaxFile = static_cast<DWORD>(name_.size());
    dialog_.lpstrTitle = title_.c_str();
  }
  // The description points into this object's own buffers.
  FileDialogSetup(const FileDialogSetup&) = delete;
  FileDialogSetup& operator=(const FileDialogSetup&) = delete;

  OPENFILENAMEA& dialog() { return dialog_; }
  std::string ChosenName() const { return std::string(name_.data()); }

 private:
  static constexpr std::size_t kNameBuffer = 1024;

  std::vector<char> name_;
  std::string filter_;
  std::string title_;
  OPENFILENAMEA dialog_{};
};

}  // namespace glyphlog
