#include "report/UnusedIcons.h"

#include <algorithm>
#include <set>

#include "redirection/MaskMatch.h"
#include "shell/FileSystem.h"
#include "shell/FolderListing.h"

namespace glyphlog {
namespace {

constexpr std::string_view kIconEnding = ".ico";
constexpr std::uint8_t kOrdinaryFilesOnly = 0;

// File names are the same whatever the letter case.
std::string NameKey(std::string_view path) { return UpperAscii(path); }

std::set<std::string> UsedIcons(Table<IconUsage>& icons) {
  std::set<std::string> used;
  const std::int32_t count = icons.RowCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    icons.FetchAt(i);
    used.insert(NameKey(icons.record.ICON.Trimmed()));
  }
  return used;
}

// The ".ico" files of `folder`: "*.ico" also matches longer extensions
// through short names, so the long name must end in it.
std::vector<std::string> IconFilesIn(std::string folder) {
  if (folder.empty() || folder.back() != '\\') folder += '\\';
  Table<FolderEntry> listing;
  ListFolder(listing, folder + "*" + std::string(kIconEnding), kOrdinaryFilesOnly);
  std::vector<std::string> files;
  const std::int32_t count = listing.RowCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    listing.FetchAt(i);
    const std::string_view name = listing.record.NAME.Trimmed();
    if (!NameKey(name).ends_with(UpperAscii(kIconEnding))) continue;
    if (auto full = FullPathAsStored(folder + std::string(name))) files.push_back(std::move(*full));
  }
  return files;
}

}  // namespace

std::vector<std::string> UnusedIconFiles(RedirectionRules& rules, Table<IconUsage>& icons) {
  const std::set<std::string> used = UsedIcons(icons);
  std::vector<std::string> unused;
  std::set<std::string> listed;
  const std::int32_t ruleCount = rules.REDIRQ.RowCount();
  for (std::int32_t i = 1; i <= ruleCount; ++i) {
    rules.REDIRQ.FetchAt(i);
    if (!MaskCanMatchEnding(rules.REDIRQ.record.MASK.View(), kIconEnding)) continue;
    Table<SearchFolder>& folders = *rules.REDIRQ.record.PATH;
    const std::int32_t folderCount = folders.RowCount();
    for (std::int32_t j = 1; j <= folderCount; ++j) {
      folders.FetchAt(j);
      for (std::string& file : IconFilesIn(folders.record.NAME.Str())) {
        const std::string key = NameKey(file);
        if (!used.contains(key) && listed.insert(key).second) unused.push_back(std::move(file));
      }
    }
  }
  std::sort(unused.begin(), unused.end(),
            [](const std::string& a, const std::string& b) { return CompareTexts(a, b) < 0; });
  return unused;
}

}  // namespace glyphlog
