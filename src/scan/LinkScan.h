#pragma once

#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

// Reads every link file of the application folder (the current folder) into
// ICONQ, one row per distinct icon, sorted by ICON. False, after telling the
// user, when the folder holds no link file.
bool ScanLinkFiles(ProgramState& state, Prompts& prompts);

}  // namespace glyphlog
