#pragma once
// The real message boxes and common dialogs, modal to `owner`.

#include <windows.h>

#include "ui/Prompts.h"

namespace glyphlog {

class SystemPrompts : public Prompts {
 public:
  void SetOwner(HWND owner) { owner_ = owner; }

  void ShowMessage(const Message& message) override;
  std::optional<std::string> ChooseFolder(const FolderRequest& request) override;
  std::optional<std::string> ChooseFileToOpen(const FileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileRequest& request) override;

 private:
  HWND owner_ = nullptr;
};

// A message text with each "|" turned into a line break.
std::string MessageBoxText(std::string_view text);

}  // namespace glyphlog
