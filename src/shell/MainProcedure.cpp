#include "shell/MainProcedure.h"

#include "scan/LinkScan.h"
#include "scan/NormalizePath.h"
#include "shell/FileSystem.h"

namespace glyphlog {

void RunMainProcedure(ProgramState& state, UserInterface& ui, IconResolutions* resolutions) {
  const std::string startFolder = CurrentFolder();
  state.SavedPath = FullPathAsStored(startFolder).value_or(startFolder);

  if (!ui.AskForSettings(state)) return;

  if (!state.RedirFileName.IsBlank() && !state.CWRootFolder.IsBlank()) {
    state.Rules.SetMacro("ROOT", NormalizePath(state.CWRootFolder.View(), true));
    state.Rules.Load(state.RedirFileName.View(), "Common");
  }

  // Link files are opened by their bare names and icon names resolve against
  // the application folder while the scan runs.
  SetCurrentFolder(state.AppFolder.Trimmed());
  if (!ScanLinkFiles(state, ui.prompts(), resolutions)) return;
  SetCurrentFolder(state.SavedPath.Trimmed());

  ui.ShowIconList(state);
}

}  // namespace glyphlog
