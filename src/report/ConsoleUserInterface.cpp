#include "report/ConsoleUserInterface.h"

#include "shell/ProgramSettings.h"

namespace glyphlog {

ConsoleUserInterface::ConsoleUserInterface(const ReportOptions& options, std::ostream& errors)
    : options_(options), prompts_(errors) {}

bool ConsoleUserInterface::AskForSettings(ProgramState& state) {
  LoadSettings(state);
  if (options_.appFolder) state.AppFolder = *options_.appFolder;
  if (options_.redirFile) state.RedirFileName = *options_.redirFile;
  if (options_.rootFolder) state.CWRootFolder = *options_.rootFolder;
  if (state.AppFolder.IsBlank()) {
    prompts_.ShowMessage({"no application folder: give --app-folder DIR or set Appfolder in glyphlog.ini", "",
                          MessageIcon::None});
    return false;
  }
  return true;
}

}  // namespace glyphlog
