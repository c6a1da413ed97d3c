#include "ui/Tooltips.h"

// after windows.h, which it builds on
#include <commctrl.h>

namespace glyphlog {

void AttachTips(HWND dialog, std::span<const ControlTip> tips) {
  const HWND tooltip =
      ::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  if (!tooltip) return;  // the dialog works the same without its tips
  for (const ControlTip& tip : tips) {
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;  // understood by every version of the common controls
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog, tip.id));
    tool.lpszText = const_cast<char*>(tip.text);
    ::SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace glyphlog
