#pragma once
// The report program's command line.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphlog {

enum class ReportFormat { Text, Csv, Json };

struct ReportOptions {
  // A setting not given comes from the settings file.
  std::optional<std::string> appFolder;
  std::optional<std::string> redirFile;
  std::optional<std::string> rootFolder;
  ReportFormat format = ReportFormat::Text;
  bool missingOnly = false;    // only the icons that were not found
  bool unused = false;         // the icon files no link file uses, instead of the table
  bool failOnMissing = false;  // exit code 1 when an icon was not found
  bool help = false;
  bool version = false;
};

struct ParsedArguments {
  ReportOptions options;
  std::string error;  // one line; empty when the arguments can be used
};

// `arguments` without the program's name. "--name value" and "--name=value"
// both work; a later value replaces an earlier one.
ParsedArguments ParseReportArguments(const std::vector<std::string>& arguments);

// The lines that --help prints.
const std::vector<std::string_view>& ReportUsage();

}  // namespace glyphlog
