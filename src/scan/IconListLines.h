#pragma once
// The lines of the exported icon list, shared by every writer of it.

#include <functional>
#include <string_view>

#include "scan/IconUsage.h"
#include "shell/Table.h"

namespace glyphlog {

// Hands `add` the record of each line: every row's ICON, in the table's
// order. `add` says whether it wrote the line; the walk stops at the first
// one it did not. True when every line was written.
bool WriteIconList(Table<IconUsage>& icons, const std::function<bool(std::string_view record)>& add);

}  // namespace glyphlog
