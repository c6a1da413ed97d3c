#pragma once
// The main procedure's user, for a console program: the settings come from
// the command line and the settings file, and the list is not shown but
// left for the caller to print.

#include <ostream>

#include "report/ConsolePrompts.h"
#include "report/ReportOptions.h"
#include "shell/MainProcedure.h"

namespace glyphlog {

class ConsoleUserInterface : public UserInterface {
 public:
  ConsoleUserInterface(const ReportOptions& options, std::ostream& errors);

  // The settings file's values, replaced by those given on the command line;
  // false, after a message, when that leaves no application folder.
  bool AskForSettings(ProgramState& state) override;
  void ShowIconList(ProgramState&) override { scanned_ = true; }
  ConsolePrompts& prompts() override { return prompts_; }

  // The scan ran to its end and the table is ready.
  bool scanned() const { return scanned_; }

 private:
  const ReportOptions& options_;
  ConsolePrompts prompts_;
  bool scanned_ = false;
};

}  // namespace glyphlog
