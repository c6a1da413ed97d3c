// The program's entry: no arguments, exit code 0 whatever happens.

#include <windows.h>
// after windows.h, which they build on
#include <commctrl.h>
#include <objbase.h>

#include "shell/MainProcedure.h"
#include "shell/ProgramState.h"
#include "ui/WindowsUserInterface.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  ::InitCommonControlsEx(&controls);
  // The folder chooser needs an apartment-threaded COM.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  {
    glyphlog::ProgramState state;
    glyphlog::WindowsUserInterface ui;
    glyphlog::RunMainProcedure(state, ui);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return 0;
}
