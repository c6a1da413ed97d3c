#pragma once
// The report program as a whole, apart from its process: arguments in,
// report out, exit code back.

#include <ostream>
#include <string>
#include <vector>

namespace glyphlog {

enum ReportExitCode : int {
  kReportDone = 0,
  kReportIconMissing = 1,   // with --fail-on-missing
  kReportBadArguments = 2,  // also no application folder, or no link file in it
  kReportIncomplete = 3,    // a link file could not be read, or the report not written
};

// Runs the main procedure with the settings of `arguments` (the program's
// name not included) and writes the report to `out`, messages to `errors`.
int RunReport(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors);

}  // namespace glyphlog
