#pragma once

#include <map>
#include <string>

#include "redirection/Resolution.h"
#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

// How each row of ICONQ was located, keyed by its ICON without trailing
// blanks: the line that made the row decides.
using IconResolutions = std::map<std::string, Resolution, std::less<>>;

// Reads every link file of the application folder (the current folder) into
// ICONQ, one row per distinct icon, sorted by ICON. False, after telling the
// user, when the folder holds no link file. `resolutions`, when given,
// receives how each row's icon was located.
bool ScanLinkFiles(ProgramState& state, Prompts& prompts, IconResolutions* resolutions = nullptr);

}  // namespace glyphlog
