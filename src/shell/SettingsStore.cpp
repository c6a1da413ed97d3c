#include "shell/SettingsStore.h"

#include <windows.h>

#include "shell/FixedText.h"

namespace glyphlog {
namespace {

constexpr const char* kSettingsFile = ".\\glyphlog.ini";
constexpr DWORD kValueBuffer = 1024;  // room for 1023 characters and the terminator

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

// The profile reader drops blanks around a value and one pair of enclosing
// quotes; a value that would lose any of that is written inside quotes of
// its own, so that it reads back exactly as written.
std::string AsStored(std::string_view value) {
  if (value.empty()) return {};
  const bool loses = IsSpaceOrTab(value.front()) || IsSpaceOrTab(value.back()) || value.front() == '"' ||
                     value.front() == '\'';
  return loses ? "\"" + std::string(value) + "\"" : std::string(value);
}

}  // namespace

std::string ReadSetting(std::string_view section, std::string_view key, std::string_view defaultValue) {
  char buffer[kValueBuffer];
  const DWORD n = ::GetPrivateProfileStringA(
      std::string(WithoutTrailingBlanks(section)).c_str(), std::string(WithoutTrailingBlanks(key)).c_str(),
      std::string(WithoutTrailingBlanks(defaultValue)).c_str(), buffer, kValueBuffer, kSettingsFile);
  return std::string(buffer, n);
}

void WriteSetting(std::string_view section, std::string_view key, std::string_view value) {
  // Windows refuses to change a read-only settings file; ask first, so that
  // a process with more rights leaves it alone as well.
  const DWORD attributes = ::GetFileAttributesA(kSettingsFile);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return;
  ::WritePrivateProfileStringA(std::string(WithoutTrailingBlanks(section)).c_str(),
                               std::string(WithoutTrailingBlanks(key)).c_str(), AsStored(value).c_str(),
                               kSettingsFile);
}

}  // namespace glyphlog
