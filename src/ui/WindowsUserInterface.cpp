#include "ui/WindowsUserInterface.h"

#include "ui/SettingsDialog.h"

namespace glyphlog {

bool WindowsUserInterface::AskForSettings(ProgramState& state) { return P3(state, prompts_); }

// The main window arrives in its own change; until then nothing is shown.
void WindowsUserInterface::ShowIconList(ProgramState&) {}

}  // namespace glyphlog
