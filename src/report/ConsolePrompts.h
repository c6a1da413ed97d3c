#pragma once
// The user of a console program: messages become lines on standard error,
// and no dialog is ever shown, so nothing waits for a click.

#include <ostream>

#include "ui/Prompts.h"

namespace glyphlog {

inline constexpr std::string_view kReportProgramName = "glyphlog-report";

class ConsolePrompts : public Prompts {
 public:
  explicit ConsolePrompts(std::ostream& errors) : errors_(errors) {}

  // One line: the program's name, then the text with each run of line
  // breaks ("|") turned into ": ".
  void ShowMessage(const Message& message) override;
  // Dialogs are answered as if cancelled.
  std::optional<std::string> ChooseFolder(const FolderRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToOpen(const FileRequest&) override { return std::nullopt; }
  std::optional<std::string> ChooseFileToSave(const FileRequest&) override { return std::nullopt; }

  int messageCount() const { return messageCount_; }

 private:
  std::ostream& errors_;
  int messageCount_ = 0;
};

}  // namespace glyphlog
