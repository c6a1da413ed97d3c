#include "ui/WindowsUserInterface.h"

namespace glyphlog {

// The settings dialog and the main window arrive in their own change; until
// then the program ends where the user would have cancelled.
bool WindowsUserInterface::AskForSettings(ProgramState&) { return false; }
void WindowsUserInterface::ShowIconList(ProgramState&) {}

}  // namespace glyphlog
