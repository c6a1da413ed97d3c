#pragma once
// The report's table: the rows of ICONQ with how each icon was located.

#include <string>
#include <string_view>
#include <vector>

#include "redirection/Resolution.h"
#include "scan/IconResolutions.h"
#include "scan/IconUsage.h"
#include "shell/Table.h"

namespace glyphlog {

struct ReportRow {
  std::string icon;
  Resolution how;
  std::string usedBy;  // APPS: the link files' names, joined by ", "
};

// How `icon` was located; an icon the scan did not record counts as not found.
const Resolution& ResolutionOf(const IconResolutions& resolutions, std::string_view icon);

// The rows of `icons` in the table's order; with `missingOnly`, only the
// icons that were not found.
std::vector<ReportRow> ReportRowsOf(Table<IconUsage>& icons, const IconResolutions& resolutions,
                                    bool missingOnly);

// "as-written", "by-rule" or "not-found".
std::string_view StatusName(Resolution::Kind kind);

}  // namespace glyphlog
