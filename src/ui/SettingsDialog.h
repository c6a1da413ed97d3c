#pragma once
// The settings dialog that opens every run: the three settings the scan
// needs, typed or picked with the browse buttons.

#include <windows.h>

#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

// Loads the settings from the settings file into `state`, shows them and
// lets the user edit them. True when the user confirmed with OK: the
// settings are then in `state` and saved. False for Cancel, Esc or the
// close box; nothing is saved then.
bool P3(ProgramState& state, Prompts& prompts, HWND owner = nullptr);

}  // namespace glyphlog
