#pragma once
// The settings dialog's window: caption, size, font and controls.

#include <windows.h>

#include <span>

#include "ui/DialogTemplate.h"
#include "ui/Tooltips.h"

namespace glyphlog {

// Control identifiers by field number (100 + field); OK and Cancel carry
// the dialog manager's own, so that Enter, Esc and the close box find them.
enum SettingsField : WORD {
  APPFOLDERPROMPT = 101,
  FOLDERNAME,
  APPFOLDERLOOKUPBUTTON,
  REDIRFILEPROMPT,
  REDIRFILE,
  REDIRLOOKUPBUTTON,
  CWROOTPROMPT,
  CWROOTPATH,
  CWFOLDERLOOKUPBUTTON,
  OKBUTTON = IDOK,
  CANCELBUTTON = IDCANCEL,
};

inline constexpr WORD kSettingsEntryLimit = 255;  // characters a user may type into an entry

DialogDescription SettingsDialogDescription();

std::span<const ControlTip> SettingsDialogTips();

}  // namespace glyphlog
