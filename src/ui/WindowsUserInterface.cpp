#include "ui/WindowsUserInterface.h"

#include "ui/MainWindow.h"
#include "ui/SettingsDialog.h"

namespace glyphlog {

bool WindowsUserInterface::AskForSettings(ProgramState& state) { return P3(state, prompts_); }

void WindowsUserInterface::ShowIconList(ProgramState& state) {
  MainWindow window(state, prompts_);
  // The export's dialogs and messages are modal to the window while it is open.
  prompts_.SetOwner(window.handle());
  window.Open();
  window.RunUntilClosed();
  prompts_.SetOwner(nullptr);
}

}  // namespace glyphlog
