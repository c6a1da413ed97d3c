#include "ReportFixture.h"

#include <gtest/gtest.h>

#include <sstream>

#include "DemoFiles.h"
#include "report/ReportProgram.h"
#include "shell/MainProcedure.h"
#include "support/TestFiles.h"
#include "ui/IconListExport.h"

namespace glyphlog::testing {
namespace {

// A user who confirms the settings and saves the icon list once.
class ExportingUser : public UserInterface {
 public:
  ExportingUser(const Settings& settings, const std::string& exportFile) : settings_(settings) {
    prompts_.fileAnswer = exportFile;
  }
  bool AskForSettings(ProgramState& state) override {
    state.AppFolder = settings_.appFolder;
    state.RedirFileName = settings_.redirFile;
    state.CWRootFolder = settings_.rootFolder;
    return true;
  }
  void ShowIconList(ProgramState& state) override { ExportIconList(state, prompts_); }
  Prompts& prompts() override { return prompts_; }

 private:
  Settings settings_;
  ScriptedPrompts prompts_;
};

}  // namespace

ReportRun RunReportWith(const std::vector<std::string>& arguments) {
  std::ostringstream out;
  std::ostringstream errors;
  ReportRun run;
  run.code = RunReport(arguments, out, errors);
  run.out = out.str();
  run.errors = errors.str();
  return run;
}

std::vector<std::string> ArgumentsFor(const Settings& settings) {
  return {"--app-folder", settings.appFolder, "--redir", settings.redirFile, "--root", settings.rootFolder};
}

std::string ExportedByTheWindow(const Settings& settings, const std::string& exportFile) {
  ProgramState state;
  ExportingUser user(settings, exportFile);
  RunMainProcedure(state, user);
  return ReadBytes(exportFile);
}

Settings WriteDemo(const std::string& folder) {
  for (const auto& file : fixtures::kDemoFiles)
    WriteBytes(folder + "\\" + std::string(file.path), file.bytes);
  return {folder + "\\app", folder + "\\demo.red", folder + "\\root"};
}

}  // namespace glyphlog::testing
