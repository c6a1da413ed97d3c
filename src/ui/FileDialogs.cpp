#include "ui/SystemPrompts.h"

namespace glyphlog {

// The folder chooser and the open and save dialogs arrive with the settings
// dialog and the main window.
std::optional<std::string> SystemPrompts::ChooseFolder(const FolderRequest&) { return std::nullopt; }
std::optional<std::string> SystemPrompts::ChooseFileToOpen(const FileRequest&) { return std::nullopt; }
std::optional<std::string> SystemPrompts::ChooseFileToSave(const FileRequest&) { return std::nullopt; }

}  // namespace glyphlog
