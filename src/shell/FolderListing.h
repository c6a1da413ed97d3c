#pragma once
// The folder-listing row and the listing that fills a table of them.

#include <cstdint>
#include <string_view>

#include "shell/FixedText.h"
#include "shell/Table.h"

namespace glyphlog {

struct FolderEntry {
  FixedText<256> NAME;      // long name, without folder
  FixedText<13> SHORTNAME;  // 8.3 name, or the long name when there is none
  std::int32_t DATE = 0;    // last write, local time: yyyymmdd
  std::int32_t TIME = 0;    // last write, local time: hhmmss and hundredths
  std::int32_t SIZE = 0;    // low 32 bits of the size in bytes
  std::uint8_t ATTRIB = 0;  // attribute bits masked with 0x37

  std::string_view Key() const { return NAME.View(); }
};

// Appends one row per entry matching `mask` (a folder part and a wildcard
// pattern), in the order the system delivers them. `selector` names the
// hidden (0x02), system (0x04) and folder (0x10) entries that may be listed
// besides ordinary files. Reports nothing: a missing folder and a mask that
// matches nothing both leave the table as it was.
void ListFolder(Table<FolderEntry>& table, std::string_view mask, std::uint8_t selector);

}  // namespace glyphlog
