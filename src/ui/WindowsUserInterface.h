#pragma once
// The program's real windows behind the main procedure.

#include "shell/MainProcedure.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {

class WindowsUserInterface : public UserInterface {
 public:
  bool AskForSettings(ProgramState& state) override;
  void ShowIconList(ProgramState& state) override;
  Prompts& prompts() override { return prompts_; }

 private:
  SystemPrompts prompts_;
};

}  // namespace glyphlog
