#pragma once

#include "scan/LinkScan.h"
#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

// The windows of the program, as the main procedure drives them.
class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // The settings dialog: true when the user confirmed the settings (saved by then).
  virtual bool AskForSettings(ProgramState& state) = 0;
  // The main window, until the user closes it.
  virtual void ShowIconList(ProgramState& state) = 0;
  virtual Prompts& prompts() = 0;
};

// Asks for the settings, loads the redirection rules, scans the link files
// and shows the result; returns when the user is done or nothing is to show.
// `resolutions`, when given, receives how the scan located each icon.
void RunMainProcedure(ProgramState& state, UserInterface& ui, IconResolutions* resolutions = nullptr);

}  // namespace glyphlog
