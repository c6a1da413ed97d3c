#pragma once
// The report's three output formats. Every line ends in CR LF.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "report/ReportRows.h"
#include "scan/IconResolutions.h"
#include "scan/IconUsage.h"
#include "shell/Table.h"

namespace glyphlog {

// Exactly the lines of the saved icon list (the same writer), with
// `missingOnly` restricted to the icons that were not found.
std::string TextReport(Table<IconUsage>& icons, const IconResolutions& resolutions, bool missingOnly);

// A header row, then one record per row: icon, status, rule, folder, used_by.
// Bytes are written as they are.
std::string CsvReport(const std::vector<ReportRow>& rows);

// An array of one object per row with the CSV's fields; every text passes
// through `toUtf8` first. The rule and folder of an icon not found through
// a rule are null.
std::string JsonReport(const std::vector<ReportRow>& rows,
                       const std::function<std::string(std::string_view)>& toUtf8);

// One CSV field, quoted (RFC 4180) when it holds a comma, a quote, a
// semicolon or a line break, or begins or ends with a blank.
std::string CsvField(std::string_view text);
// A JSON string literal for UTF-8 `text`.
std::string JsonString(std::string_view text);

}  // namespace glyphlog
