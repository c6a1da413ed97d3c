#pragma once
// What the report tests share: running the report, the window program's
// export of the same folders for reference, and the demo on disk.

#include <string>
#include <vector>

namespace glyphlog::testing {

struct ReportRun {
  int code = -1;
  std::string out;
  std::string errors;
};

// The report program, run in this process from the current folder.
ReportRun RunReportWith(const std::vector<std::string>& arguments);

struct Settings {
  std::string appFolder;
  std::string redirFile;
  std::string rootFolder;
};
// The arguments that give the report these settings.
std::vector<std::string> ArgumentsFor(const Settings& settings);

// The file that the window program's "Save Icon List" writes after scanning
// with these settings, through the same main procedure and export code.
std::string ExportedByTheWindow(const Settings& settings, const std::string& exportFile);

// Writes the bundled demo below `folder`: app, root and demo.red; returns its settings.
Settings WriteDemo(const std::string& folder);

}  // namespace glyphlog::testing
