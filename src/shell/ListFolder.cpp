#include <windows.h>

#include "shell/FolderListing.h"
#include "shell/Handles.h"

namespace glyphlog {
namespace {

constexpr std::size_t kMaxMask = 259;
constexpr DWORD kSelectable = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
constexpr DWORD kKeptAttributes = 0x37;

bool IsListed(DWORD attributes, std::uint8_t selector) {
  const DWORD special = attributes & kSelectable;
  return special == 0 || (special & selector & kSelectable) != 0;
}

void FillEntry(FolderEntry& entry, const WIN32_FIND_DATAA& found) {
  entry.NAME = found.cFileName;
  entry.SHORTNAME = found.cAlternateFileName[0] ? found.cAlternateFileName : found.cFileName;
  FILETIME local{};
  SYSTEMTIME time{};
  if (::FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) && ::FileTimeToSystemTime(&local, &time)) {
    entry.DATE = time.wYear * 10000 + time.wMonth * 100 + time.wDay;
    entry.TIME = ((time.wHour * 100 + time.wMinute) * 100 + time.wSecond) * 100 + time.wMilliseconds / 10;
  }
  entry.SIZE = static_cast<std::int32_t>(found.nFileSizeLow);
  entry.ATTRIB = static_cast<std::uint8_t>(found.dwFileAttributes & kKeptAttributes);
}

}  // namespace

void ListFolder(Table<FolderEntry>& table, std::string_view mask, std::uint8_t selector) {
  const std::string pattern(WithoutTrailingBlanks(mask).substr(0, kMaxMask));
  if (pattern.empty()) return;
  WIN32_FIND_DATAA found{};
  UniqueFindHandle find(::FindFirstFileA(pattern.c_str(), &found));
  if (!find) return;
  do {
    if (!IsListed(found.dwFileAttributes, selector)) continue;
    table.record = FolderEntry{};
    FillEntry(table.record, found);
    table.Append();
  } while (::FindNextFileA(find.get(), &found));
}

}  // namespace glyphlog
