#pragma once
// The icon files that lie where the redirection rules look for icons but
// that no link file uses.

#include <string>
#include <vector>

#include "redirection/RedirectionRules.h"
#include "scan/IconUsage.h"
#include "shell/Table.h"

namespace glyphlog {

// The full paths of the ".ico" files in the search folders of every rule
// whose mask can match a name ending in ".ico", less those that are an ICON
// of `icons` (letter case ignored), sorted and each listed once. Relative
// search folders are taken against the current folder, as the scan takes them.
std::vector<std::string> UnusedIconFiles(RedirectionRules& rules, Table<IconUsage>& icons);

}  // namespace glyphlog
