#include "shell/FileSystem.h"

#include <windows.h>

#include <vector>

#include "shell/Handles.h"

namespace glyphlog {
namespace {

constexpr std::size_t kMaxFullPath = 260;

// A NUL ends a name for the system, which would then answer for the part
// before it; such a name names nothing.
bool HasNul(std::string_view name) { return name.find('\0') != std::string_view::npos; }

// "\\.\" leads the device namespace; the system also turns reserved names
// ("CON", "NUL.ico" in some versions) into it.
bool IsDevicePath(std::string_view full) { return full.starts_with("\\\\.\\"); }

bool HasWildcard(std::string_view part) { return part.find_first_of("*?") != std::string_view::npos; }

// The name of `path`'s last part as the folder entry stores it, if it exists.
std::optional<std::string> StoredName(const std::string& path) {
  WIN32_FIND_DATAA found{};
  UniqueFindHandle find(::FindFirstFileA(path.c_str(), &found));
  if (!find) return std::nullopt;
  return std::string(found.cFileName);
}

// Splits "C:\a\b" into its root ("C:\") and the rest; "\\server\share\a"
// keeps server and share in the root, since they are not folder entries.
std::size_t RootLength(std::string_view path) {
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') {
    std::size_t slashes = 0;
    for (std::size_t i = 2; i < path.size(); ++i) {
      if (path[i] == '\\' && ++slashes == 2) return i + 1;
    }
    return path.size();
  }
  if (path.size() >= 3 && path[1] == ':' && path[2] == '\\') return 3;
  return path.size() >= 1 && path[0] == '\\' ? 1 : 0;
}

}  // namespace

std::string CurrentFolder() {
  std::vector<char> buffer(MAX_PATH + 1);
  for (;;) {
    const DWORD n = ::GetCurrentDirectoryA(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0) return {};
    if (n < buffer.size()) return std::string(buffer.data(), n);
    buffer.resize(n + 1);
  }
}

bool SetCurrentFolder(std::string_view folder) {
  return ::SetCurrentDirectoryA(std::string(folder).c_str()) != FALSE;
}

std::optional<std::string> FullPath(std::string_view name) {
  if (name.empty() || HasNul(name)) return std::nullopt;
  char buffer[MAX_PATH + 1];
  const DWORD n = ::GetFullPathNameA(std::string(name).c_str(), sizeof buffer, buffer, nullptr);
  if (n == 0 || n >= sizeof buffer) return std::nullopt;
  const std::string_view full(buffer, n);
  if (IsDevicePath(full)) return std::nullopt;
  return std::string(full);
}

std::optional<std::string> FullPathAsStored(std::string_view name) {
  const std::optional<std::string> absolute = FullPath(name);
  if (!absolute) return std::nullopt;
  const std::string_view full(*absolute);

  const std::size_t rootLength = RootLength(full);
  std::string result(full.substr(0, rootLength));
  bool onDisk = true;  // once a part is missing, nothing below it can exist
  std::size_t start = rootLength;
  while (start <= full.size()) {
    std::size_t end = full.find('\\', start);
    if (end == std::string_view::npos) end = full.size();
    const std::string_view part = full.substr(start, end - start);
    if (!part.empty()) {
      if (!result.empty() && result.back() != '\\') result += '\\';
      const std::string candidate = result + std::string(part);
      std::optional<std::string> stored;
      if (onDisk && !HasWildcard(part)) stored = StoredName(candidate);
      onDisk = stored.has_value();
      result += stored ? *stored : std::string(part);
    }
    if (end == full.size()) break;
    start = end + 1;
  }
  // A trailing separator the system kept (a folder written with one) stays.
  if (full.size() > rootLength && full.back() == '\\' && result.back() != '\\') result += '\\';
  if (result.size() > kMaxFullPath) return std::nullopt;
  return result;
}

bool PathExists(std::string_view path) {
  return !HasNul(path) && ::GetFileAttributesA(std::string(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FolderExists(std::string_view path) {
  if (HasNul(path)) return false;
  const DWORD attributes = ::GetFileAttributesA(std::string(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace glyphlog
