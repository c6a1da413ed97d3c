#include <windows.h>

#include <algorithm>

#include "ui/SystemPrompts.h"

namespace glyphlog {

std::string MessageBoxText(std::string_view text) {
  std::string result(text);
  std::replace(result.begin(), result.end(), '|', '\n');
  return result;
}

void SystemPrompts::ShowMessage(const Message& message) {
  const UINT icon = message.icon == MessageIcon::Exclamation ? MB_ICONEXCLAMATION : 0;
  ::MessageBoxA(owner_, MessageBoxText(message.text).c_str(), message.caption.c_str(), MB_OK | icon);
}

}  // namespace glyphlog
