#include "report/ReportProgram.h"

#include "report/AnsiToUtf8.h"
#include "report/ConsoleUserInterface.h"
#include "report/ReportFormats.h"
#include "report/UnusedIcons.h"
#include "shell/FileSystem.h"
#include "shell/LineEncoder.h"
#include "ui/CurrentFolderKeeper.h"

#ifndef GLYPHLOG_VERSION
#error "GLYPHLOG_VERSION must name the program's version"
#endif

namespace glyphlog {
namespace {

std::string Lines(const std::vector<std::string_view>& lines) {
  std::string out;
  for (const std::string_view line : lines) AppendLine(out, line);
  return out;
}

std::string UnusedIconsReport(ProgramState& state) {
  // Relative search folders mean what they meant to the scan.
  const CurrentFolderKeeper keeper;
  SetCurrentFolder(state.AppFolder.Trimmed());
  const std::vector<std::string> files = UnusedIconFiles(state.Rules, state.ICONQ);
  return Lines({files.begin(), files.end()});
}

std::string Report(const ReportOptions& options, ProgramState& state, const IconResolutions& resolutions) {
  if (options.unused) return UnusedIconsReport(state);
  switch (options.format) {
    case ReportFormat::Csv:
      return CsvReport(ReportRowsOf(state.ICONQ, resolutions, options.missingOnly));
    case ReportFormat::Json:
      return JsonReport(ReportRowsOf(state.ICONQ, resolutions, options.missingOnly), AnsiToUtf8);
    case ReportFormat::Text:
      break;
  }
  return TextReport(state.ICONQ, resolutions, options.missingOnly);
}

bool Write(std::ostream& out, const std::string& bytes) {
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  return out.good();
}

bool AnyMissing(const IconResolutions& resolutions) {
  for (const auto& [icon, how] : resolutions) {
    if (how.kind == Resolution::Kind::NotFound) return true;
  }
  return false;
}

}  // namespace

int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors) {
  const ParsedArguments parsed = ParseReportArguments(arguments);
  if (!parsed.error.empty()) {
    errors << kReportProgramName << ": " << parsed.error << " (see --help)\n";
    return kReportBadArguments;
  }
  const ReportOptions& options = parsed.options;
  if (options.help) return Write(out, Lines(ReportUsage())) ? kReportDone : kReportIncomplete;
  if (options.version) {
    const std::string version = std::string(kReportProgramName) + " " + GLYPHLOG_VERSION;
    return Write(out, Lines({version})) ? kReportDone : kReportIncomplete;
  }

  ProgramState state;
  ConsoleUserInterface ui(options, errors);
  IconResolutions resolutions;
  RunMainProcedure(state, ui, &resolutions);
  if (!ui.scanned()) return kReportBadArguments;  // the message is out already

  if (!Write(out, Report(options, state, resolutions))) {
    ui.prompts().ShowMessage({"the report could not be written", "", MessageIcon::None});
    return kReportIncomplete;
  }
  // The scan reports a link file it could not open and stops there.
  if (ui.prompts().messageCount() > 0) return kReportIncomplete;
  if (options.failOnMissing && AnyMissing(resolutions)) return kReportIconMissing;
  return kReportDone;
}

}  // namespace glyphlog
