#include "Floors.h"

#include <windows.h>

#include "shell/Handles.h"

namespace glyphlog::bench {

std::size_t ReadEveryLinkFile(const std::string& appFolder) {
  std::size_t total = 0;
  std::vector<char> buffer(64 * 1024);
  WIN32_FIND_DATAA found{};
  const UniqueFindHandle find(::FindFirstFileA((appFolder + "\\*.lnk").c_str(), &found));
  if (!find) return 0;
  do {
    const UniqueFileHandle file(::CreateFileA((appFolder + "\\" + found.cFileName).c_str(), GENERIC_READ,
                                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                              nullptr));
    DWORD got = 0;
    while (file && ::ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr) &&
           got > 0) {
      total += got;
    }
  } while (::FindNextFileA(find.get(), &found));
  return total;
}

std::size_t ProbeEach(const std::vector<std::string>& paths) {
  std::size_t existing = 0;
  for (const std::string& path : paths) {
    if (::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) ++existing;
  }
  return existing;
}

}  // namespace glyphlog::bench
