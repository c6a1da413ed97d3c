#include "ui/SystemPrompts.h"

namespace glyphlog {

// The save dialog arrives with the main window.
std::optional<std::string> SystemPrompts::ChooseFileToSave(const FileRequest&) { return std::nullopt; }

}  // namespace glyphlog
