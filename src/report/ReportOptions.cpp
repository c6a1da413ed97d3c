#include "report/ReportOptions.h"

#include <cstddef>

namespace glyphlog {
namespace {

// The settings are 260-character fields: a longer value would be cut and
// name another folder or file than the one given.
constexpr std::size_t kMaxSetting = 260;

struct Flag {
  std::string_view name;
  bool ReportOptions::*field;
};
constexpr Flag kFlags[] = {
    {"--missing", &ReportOptions::missingOnly},
    {"--unused", &ReportOptions::unused},
    {"--fail-on-missing", &ReportOptions::failOnMissing},
    {"--help", &ReportOptions::help},
    {"--version", &ReportOptions::version},
};

struct Setting {
  std::string_view name;
  std::optional<std::string> ReportOptions::*field;
};
constexpr Setting kSettings[] = {
    {"--app-folder", &ReportOptions::appFolder},
    {"--redir", &ReportOptions::redirFile},
    {"--root", &ReportOptions::rootFolder},
};

std::optional<ReportFormat> FormatNamed(std::string_view name) {
  if (name == "text") return ReportFormat::Text;
  if (name == "csv") return ReportFormat::Csv;
  if (name == "json") return ReportFormat::Json;
  return std::nullopt;
}

// Applies one option that takes a value; the error, or empty.
std::string ApplyValue(ReportOptions& options, std::string_view name, const std::string& value) {
  if (name == "--format") {
    const auto format = FormatNamed(value);
    if (!format) return "unknown format '" + value + "': use text, csv or json";
    options.format = *format;
    return {};
  }
  for (const Setting& setting : kSettings) {
    if (name != setting.name) continue;
    if (value.size() > kMaxSetting) return std::string(name) + " is longer than 260 characters";
    options.*setting.field = value;
    return {};
  }
  return "unknown option '" + std::string(name) + "'";
}

bool TakesValue(std::string_view name) {
  if (name == "--format") return true;
  for (const Setting& setting : kSettings) {
    if (name == setting.name) return true;
  }
  return false;
}

std::string Apply(ReportOptions& options, const std::vector<std::string>& arguments, std::size_t& i) {
  const std::string& argument = arguments[i];
  if (!argument.starts_with("--")) return "unexpected argument '" + argument + "'";
  const std::size_t equals = argument.find('=');
  const std::string_view name = std::string_view(argument).substr(0, equals);
  if (equals != std::string::npos) {
    if (!TakesValue(name)) return "unknown option '" + argument + "'";
    return ApplyValue(options, name, argument.substr(equals + 1));
  }
  for (const Flag& flag : kFlags) {
    if (name != flag.name) continue;
    options.*flag.field = true;
    return {};
  }
  if (!TakesValue(name)) return "unknown option '" + argument + "'";
  if (i + 1 >= arguments.size()) return std::string(name) + " needs a value";
  return ApplyValue(options, name, arguments[++i]);
}

}  // namespace

ParsedArguments ParseReportArguments(const std::vector<std::string>& arguments) {
  ParsedArguments parsed;
  for (std::size_t i = 0; i < arguments.size() && parsed.error.empty(); ++i) {
    parsed.error = Apply(parsed.options, arguments, i);
  }
  const ReportOptions& options = parsed.options;
  if (parsed.error.empty() && options.unused &&
      (options.missingOnly || options.format != ReportFormat::Text)) {
    parsed.error = "--unused prints a plain list of files: it goes with neither --missing nor --format";
  }
  return parsed;
}

const std::vector<std::string_view>& ReportUsage() {
  static const std::vector<std::string_view> lines{
      "Usage: glyphlog-report [options]",
      "Scans the link files of the application folder and prints the icons they use.",
      "",
      "  --app-folder DIR    folder that holds the link files",
      "  --redir FILE        the development system's redirection file",
      "  --root DIR          the development system's root folder (%ROOT%)",
      "                      A setting not given is read from glyphlog.ini in the current folder.",
      "  --format FORMAT     text (default: the lines of the saved icon list), csv or json",
      "  --missing           only the icons that were not found",
      "  --unused            instead of the table: the .ico files in the rules' icon folders",
      "                      that no link file uses, one full path a line",
      "  --fail-on-missing   exit with code 1 when an icon was not found",
      "  --help, --version",
      "",
      "Exit codes: 0 done; 1 an icon was not found (with --fail-on-missing); 2 bad arguments,",
      "no application folder or no link file in it; 3 a link file could not be read or the",
      "report could not be written.",
  };
  return lines;
}

}  // namespace glyphlog
