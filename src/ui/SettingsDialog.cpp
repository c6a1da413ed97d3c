#include "ui/SettingsDialog.h"

// after windows.h, which it builds on
#include <commctrl.h>

#include <string>

#include "shell/ProgramSettings.h"
#include "ui/SettingsDialogLayout.h"
#include "ui/Tooltips.h"

namespace glyphlog {
namespace {

// What the dialog works on, handed to it through its creation parameter.
struct SettingsSession {
  ProgramState& state;
  Prompts& prompts;
};

// What the entry holds right now, typed or not yet left.
std::string EntryText(HWND dialog, SettingsField entry) {
  const HWND control = ::GetDlgItem(dialog, entry);
  std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(control)) + 1, '\0');
  text.resize(
      static_cast<std::size_t>(::GetWindowTextA(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

void ShowEntry(HWND dialog, SettingsField entry, const FixedText<260>& value) {
  ::SetDlgItemTextA(dialog, entry, value.Str().c_str());
}

void FocusOn(HWND dialog, SettingsField control) {
  ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, control)), TRUE);
}

void OnInit(HWND dialog, const ProgramState& state) {
  const SettingsField entries[] = {FOLDERNAME, REDIRFILE, CWROOTPATH};
  const FixedText<260>* values[] = {&state.AppFolder, &state.RedirFileName, &state.CWRootFolder};
  for (std::size_t i = 0; i < std::size(entries); ++i) {
    // Limits typing only: a longer value from the settings file stays as it is.
    ::SendDlgItemMessageA(dialog, entries[i], EM_LIMITTEXT, kSettingsEntryLimit, 0);
    ShowEntry(dialog, entries[i], *values[i]);
  }
  AttachTips(dialog, SettingsDialogTips());
}

// A confirmed choice replaces the entry's text and takes the focus there;
// a cancelled one changes nothing.
void ShowChoice(HWND dialog, SettingsField entry, const std::optional<std::string>& choice) {
  if (!choice) return;
  ShowEntry(dialog, entry, FixedText<260>(*choice));
  FocusOn(dialog, entry);
}

void OnOk(HWND dialog, ProgramState& state) {
  const std::string appFolder = EntryText(dialog, FOLDERNAME);
  if (WithoutTrailingBlanks(appFolder).empty()) {
    FocusOn(dialog, FOLDERNAME);
    return;
  }
  state.AppFolder = appFolder;
  state.RedirFileName = EntryText(dialog, REDIRFILE);
  state.CWRootFolder = EntryText(dialog, CWROOTPATH);
  SaveSettings(state);
  ::EndDialog(dialog, TRUE);
}

void OnCommand(HWND dialog, SettingsSession& session, WORD control) {
  Prompts& prompts = session.prompts;
  switch (control) {
    case APPFOLDERLOOKUPBUTTON:
      ShowChoice(dialog, FOLDERNAME,
                 prompts.ChooseFolder({"Select App Folder", EntryText(dialog, FOLDERNAME)}));
      break;
    case REDIRLOOKUPBUTTON:
      ShowChoice(dialog, REDIRFILE,
                 prompts.ChooseFileToOpen({"Select Redirection File", "Redirection Files", "*.red",
                                           EntryText(dialog, REDIRFILE)}));
      break;
    case CWFOLDERLOOKUPBUTTON:
      ShowChoice(dialog, CWROOTPATH,
                 prompts.ChooseFolder({"Select CW Root Folder", EntryText(dialog, CWROOTPATH)}));
      break;
    case OKBUTTON:
      OnOk(dialog, session.state);
      break;
    case CANCELBUTTON:  // also Esc and the close box
      ::EndDialog(dialog, FALSE);
      break;
    default:
      break;
  }
}

INT_PTR CALLBACK SettingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    OnInit(dialog, reinterpret_cast<SettingsSession*>(lParam)->state);
    return TRUE;  // the focus starts in the first entry
  }
  auto* session = reinterpret_cast<SettingsSession*>(::GetWindowLongPtrA(dialog, DWLP_USER));
  if (message != WM_COMMAND || !session) return FALSE;
  OnCommand(dialog, *session, LOWORD(wParam));
  return TRUE;
}

}  // namespace

bool P3(ProgramState& state, Prompts& prompts, HWND owner) {
  LoadSettings(state);
  const INITCOMMONCONTROLSEX tips{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&tips);

  const std::vector<WORD> layout = BuildDialogTemplate(SettingsDialogDescription());
  SettingsSession session{state, prompts};
  // A dialog that cannot be created ends the program like a cancel: nothing is saved.
  return ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr),
                                   reinterpret_cast<LPCDLGTEMPLATEA>(layout.data()), owner, SettingsProcedure,
                                   reinterpret_cast<LPARAM>(&session)) == TRUE;
}

}  // namespace glyphlog
