#pragma once

#include "scan/IconResolutions.h"
#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

// Reads every link file of the application folder (the current folder) into
// ICONQ, one row per distinct icon, sorted by ICON. False, after telling the
// user, when the folder holds no link file. `resolutions`, when given,
// receives how each row's icon was located.
bool ScanLinkFiles(ProgramState& state, Prompts& prompts, IconResolutions* resolutions = nullptr);

}  // namespace glyphlog
