#include "ui/SettingsDialogLayout.h"

namespace glyphlog {
namespace {

constexpr DWORD kPrompt = SS_LEFTNOWORDWRAP;
constexpr DWORD kEntry = WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

// Prompts reach to just before their entries, wide enough for their texts.
constexpr ControlDescription kControls[] = {
    {ControlClass::Static, APPFOLDERPROMPT, "Application Folder:", kPrompt, 3, 3, 63, 10},
    {ControlClass::Edit, FOLDERNAME, "", kEntry, 67, 3, 339, 10},
    {ControlClass::Button, APPFOLDERLOOKUPBUTTON, "...", kButton, 409, 3, 10, 10},
    {ControlClass::Static, REDIRFILEPROMPT, "Redirection File:", kPrompt, 3, 16, 63, 10},
    {ControlClass::Edit, REDIRFILE, "", kEntry, 67, 16, 339, 10},
    {ControlClass::Button, REDIRLOOKUPBUTTON, "...", kButton, 409, 16, 10, 10},
    {ControlClass::Static, CWROOTPROMPT, "CW Root Folder:", kPrompt, 3, 29, 63, 10},
    {ControlClass::Edit, CWROOTPATH, "", kEntry, 67, 29, 339, 10},
    {ControlClass::Button, CWFOLDERLOOKUPBUTTON, "...", kButton, 409, 29, 10, 10},
    {ControlClass::Button, OKBUTTON, "&OK", WS_TABSTOP | BS_DEFPUSHBUTTON, 335, 42, 40, 12},
    {ControlClass::Button, CANCELBUTTON, "&Cancel", kButton, 378, 42, 40, 12},
};

constexpr ControlTip kTips[] = {
    {FOLDERNAME, "Folder where your application is"},
    {APPFOLDERLOOKUPBUTTON, "Look up Application Folder"},
    {REDIRFILE, "Your CW Redir file, so the icons can be located."},
    {REDIRLOOKUPBUTTON, "Look up Redirection File"},
    {CWFOLDERLOOKUPBUTTON, "Look up CW Root Folder"},
};

}  // namespace

DialogDescription SettingsDialogDescription() {
  return {"Glyph Finder",
          WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_3DLOOK,
          421,
          56,
          "MS Sans Serif",
          8,
          kControls};
}

std::span<const ControlTip> SettingsDialogTips() { return kTips; }

}  // namespace glyphlog
