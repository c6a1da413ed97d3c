#pragma once
// The three settings the scan needs, kept in section "glyphlog" of the
// settings file in the current folder.

#include "shell/ProgramState.h"

namespace glyphlog {

// Reads AppFolder, RedirFileName and CWRootFolder; a missing entry reads as empty.
void LoadSettings(ProgramState& state);
// Writes the three settings, each without its trailing blanks.
void SaveSettings(const ProgramState& state);

}  // namespace glyphlog
