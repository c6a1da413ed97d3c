#pragma once
// Saving the list of icon file names as a text file of the user's choosing.

#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

inline constexpr const char* kDefaultIconListName = "Iconlist.txt";

// Asks for a file name and writes the ICON of every ICONQ row into it, one
// line each in the table's order, through LNK (named by FQ:NAME, so FQ is
// emptied first). Cancelling writes nothing; failures are shown to the user.
void ExportIconList(ProgramState& state, Prompts& prompts);

}  // namespace glyphlog
