// The real glyphlog-report.exe as a process: its standard output carries the
// report's bytes untranslated, and its exit codes reach the caller.

#include <gtest/gtest.h>
#include <windows.h>

#include "ReportFixture.h"
#include "report/ReportProgram.h"
#include "shell/Handles.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

struct ProcessRun {
  DWORD code = 0;
  std::string out;
  std::string errors;
};

std::string ReportExe() {
  char self[MAX_PATH + 1];
  const DWORD n = ::GetModuleFileNameA(nullptr, self, sizeof self);
  const std::string path(self, n);
  return path.substr(0, path.rfind('\\') + 1) + GLYPHLOG_REPORT_EXE_FROM_TEST;
}

UniqueFileHandle InheritableFile(const std::string& path) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  return UniqueFileHandle(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
}

ProcessRun RunProcess(const testing::TempFolder& folder, const std::vector<std::string>& arguments) {
  std::string commandLine = "\"" + ReportExe() + "\"";
  for (const std::string& argument : arguments) commandLine += " \"" + argument + "\"";
  const UniqueFileHandle out = InheritableFile(folder / "stdout.bin");
  const UniqueFileHandle errors = InheritableFile(folder / "stderr.bin");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out.get();
  startup.hStdError = errors.get();
  PROCESS_INFORMATION process{};
  ProcessRun run;
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                        folder.path().c_str(), &startup, &process)) {
    ADD_FAILURE() << "cannot start " << commandLine;
    return run;
  }
  const UniqueFileHandle processHandle(process.hProcess);
  const UniqueFileHandle threadHandle(process.hThread);
  ::WaitForSingleObject(process.hProcess, INFINITE);
  ::GetExitCodeProcess(process.hProcess, &run.code);
  run.out = testing::ReadBytes(folder / "stdout.bin");
  run.errors = testing::ReadBytes(folder / "stderr.bin");
  return run;
}

TEST(ReportProcessTest, PrintsTheSavedListUntranslatedAndExitsWithItsCode) {
  testing::TempFolder folder;
  const testing::Settings demo = testing::WriteDemo(folder / "demo");
  const std::string saved = testing::ExportedByTheWindow(demo, folder / "Iconlist.txt");

  ProcessRun run = RunProcess(folder, testing::ArgumentsFor(demo));
  EXPECT_EQ(run.code, static_cast<DWORD>(kReportDone));
  EXPECT_EQ(run.out, saved);
  EXPECT_EQ(run.errors, "");

  std::vector<std::string> failOnMissing = testing::ArgumentsFor(demo);
  failOnMissing.push_back("--fail-on-missing");  // the demo's Toolbar.ico lies nowhere
  run = RunProcess(folder, failOnMissing);
  EXPECT_EQ(run.code, static_cast<DWORD>(kReportIconMissing));
  EXPECT_EQ(run.out, saved);

  run = RunProcess(folder, {"--app-folder", folder / "demo\\root"});
  EXPECT_EQ(run.code, static_cast<DWORD>(kReportBadArguments));
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.errors, "glyphlog-report: No .LNK files\r\n");
}

}  // namespace
}  // namespace glyphlog
