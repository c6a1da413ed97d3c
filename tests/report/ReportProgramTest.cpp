// The report program in this process, on real folders: its text against the
// window program's saved list, its CSV and JSON on awkward names, and its
// exit codes and messages.

#include <gtest/gtest.h>

#include <ostream>

#include "ReportFixture.h"
#include "SampleRedirectionFiles.h"
#include "report/ReportProgram.h"
#include "shell/Handles.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::ArgumentsFor;
using testing::RunReportWith;
using testing::Settings;
using testing::WriteBytes;

class ReportProgramTest : public ::testing::Test {
 protected:
  testing::TempFolder folder;
  // No settings file here unless a test writes one.
  testing::CurrentFolderScope inFolder{folder.path()};
};

TEST_F(ReportProgramTest, DemoTextIsTheSavedIconListByteForByte) {
  const Settings demo = testing::WriteDemo(folder / "demo");
  const std::string saved = testing::ExportedByTheWindow(demo, folder / "Iconlist.txt");
  ASSERT_NE(saved.find("Shared.ico\r\n"), std::string::npos);

  std::vector<std::string> formatText = ArgumentsFor(demo);
  formatText.insert(formatText.end(), {"--format", "text"});
  for (const auto& arguments : {ArgumentsFor(demo), formatText}) {
    const auto run = RunReportWith(arguments);
    EXPECT_EQ(run.code, kReportDone);
    EXPECT_EQ(run.out, saved);
    EXPECT_EQ(run.errors, "");
  }

  // Settings not given come from the settings file, as the window reads them.
  WriteBytes(folder / "glyphlog.ini", "[glyphlog]\r\nAppfolder=" + (folder / "elsewhere") + "\r\nRedirFile=" +
                                          demo.redirFile + "\r\nCWrootPath=" + demo.rootFolder + "\r\n");
  EXPECT_EQ(RunReportWith({"--app-folder", demo.appFolder}).out, saved);
  EXPECT_EQ(RunReportWith({"--app-folder", demo.appFolder, "--root", "  "}).out,
            testing::ExportedByTheWindow({demo.appFolder, demo.redirFile, "  "}, folder / "NoRules.txt"));
}

class SampleRedirectionFileTest : public ReportProgramTest,
                                  public ::testing::WithParamInterface<std::string_view> {};

TEST_P(SampleRedirectionFileTest, TextIsTheSavedIconListAndMissingKeepsOnlyTheUnlocated) {
  WriteBytes(
      folder / "app\\A.lnk",
      "/PROGRAM_ICON=Res.ico\r\nImg.ico\r\nGfx.ico\r\nShared.ico\r\nsee sub.ico.txt\r\nMissing.ico\r\n");
  WriteBytes(folder / "app\\B.LNK", "img.ICO\r\n/PROGRAM_ICON=Missing.ico\r\n\tTabbed.ico\r\n");
  for (const char* icon : {"app\\resources\\Res.ico", "root\\images\\Img.ico", "app\\graphics\\Gfx.ico",
                           "shared icons\\Shared.ico"}) {
    WriteBytes(folder / icon, "");
  }
  WriteBytes(folder / "sample.red", GetParam());
  const Settings settings{folder / "app", folder / "sample.red", folder / "root"};
  const std::string saved = testing::ExportedByTheWindow(settings, folder / "Iconlist.txt");

  const auto run = RunReportWith(ArgumentsFor(settings));
  EXPECT_EQ(run.code, kReportDone);
  EXPECT_EQ(run.out, saved);

  // Located icons are full paths; those not found keep the name as written.
  std::string unlocated;
  for (std::size_t start = 0, end; (end = saved.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string line = saved.substr(start, end + 2 - start);
    if (line.find(":\\") == std::string::npos) unlocated += line;
  }
  std::vector<std::string> missing = ArgumentsFor(settings);
  missing.push_back("--missing");
  EXPECT_EQ(RunReportWith(missing).out, unlocated);
  EXPECT_NE(unlocated.find("Missing.ico\r\n"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, SampleRedirectionFileTest,
                         ::testing::Values(fixtures::kInstalledRed, fixtures::kProjectRed));

TEST_F(ReportProgramTest, CsvAndJsonKeepAwkwardNamesWhole) {
  // The JSON expectations spell the code page's é and ô in UTF-8.
  ASSERT_EQ(::GetACP(), 1252u);
  WriteBytes(folder / "app\\Sales, North.lnk", "\"Quoted\", name;1.ico\r\n");
  WriteBytes(folder / "app\\Caf\xE9.lnk", "\xE9t\xE9.ico\r\n");
  WriteBytes(folder / "app\\ic\xF4nes\\\xE9t\xE9.ico", "");
  WriteBytes(folder / "rules.red", "[Common]\r\n*.ico=ic\xF4nes\r\n");
  std::vector<std::string> arguments = ArgumentsFor({folder / "app", folder / "rules.red", folder.path()});
  const std::string found = folder / "app\\ic\xF4nes\\\xE9t\xE9.ico";
  std::string foundJson;
  for (const char c : found) foundJson += c == '\\' ? std::string("\\\\") : std::string(1, c);
  foundJson.replace(foundJson.find("ic\xF4nes"), 6, "ic\xC3\xB4nes");
  foundJson.replace(foundJson.find("\xE9t\xE9"), 3, "\xC3\xA9t\xC3\xA9");

  arguments.insert(arguments.end(), {"--format", "csv"});
  auto run = RunReportWith(arguments);
  EXPECT_EQ(run.code, kReportDone);
  EXPECT_EQ(run.out,
            "icon,status,rule,folder,used_by\r\n"
            "\"\"\"Quoted\"\", name;1.ico\",not-found,,,\"Sales, North\"\r\n" +
                found + ",by-rule,*.ico,ic\xF4nes,Caf\xE9\r\n");

  arguments.back() = "json";
  run = RunReportWith(arguments);
  EXPECT_EQ(run.code, kReportDone);
  EXPECT_EQ(run.out,
            "[\r\n"
            "  {\"icon\": \"\\\"Quoted\\\", name;1.ico\", \"status\": \"not-found\", \"rule\": null, "
            "\"folder\": null, \"used_by\": \"Sales, North\"},\r\n"
            "  {\"icon\": \"" +
                foundJson +
                "\", \"status\": \"by-rule\", \"rule\": \"*.ico\", \"folder\": \"ic\xC3\xB4nes\", "
                "\"used_by\": \"Caf\xC3\xA9\"}\r\n"
                "]\r\n");
}

TEST_F(ReportProgramTest, EmptyTableInEveryFormat) {
  WriteBytes(folder / "app\\Plain.lnk", "no icons here\r\n");
  struct Case {
    std::string format;
    std::string out;
  };
  for (const Case& c :
       {Case{"text", ""}, Case{"csv", "icon,status,rule,folder,used_by\r\n"}, Case{"json", "[]\r\n"}}) {
    const auto run =
        RunReportWith({"--app-folder", folder / "app", "--format", c.format, "--fail-on-missing"});
    EXPECT_EQ(run.code, kReportDone) << c.format;
    EXPECT_EQ(run.out, c.out) << c.format;
    EXPECT_EQ(run.errors, "") << c.format;
  }
}

TEST_F(ReportProgramTest, ExitCodesAndMessages) {
  WriteBytes(folder / "app\\A.lnk", "Found.ico\r\nMissing.ico\r\n");
  WriteBytes(folder / "app\\Found.ico", "");
  WriteBytes(folder / "all\\B.lnk", "Found.ico\r\n");
  WriteBytes(folder / "all\\Found.ico", "");
  WriteBytes(folder / "empty\\readme.txt", "x.ico\r\n");
  const std::string app = folder / "app";
  struct Case {
    std::vector<std::string> arguments;
    int code;
    std::string errors;
  };
  const std::vector<Case> cases{
      {{"--bogus"}, kReportBadArguments, "glyphlog-report: unknown option '--bogus' (see --help)\n"},
      {{"--app-folder", app, "--format"},
       kReportBadArguments,
       "glyphlog-report: --format needs a value (see --help)\n"},
      {{},
       kReportBadArguments,
       "glyphlog-report: no application folder: give --app-folder DIR or set Appfolder in glyphlog.ini\n"},
      {{"--app-folder", folder / "empty"}, kReportBadArguments, "glyphlog-report: No .LNK files\n"},
      {{"--app-folder", folder / "nowhere"}, kReportBadArguments, "glyphlog-report: No .LNK files\n"},
      {{"--app-folder", app}, kReportDone, ""},
      {{"--app-folder", app, "--fail-on-missing"}, kReportIconMissing, ""},
      {{"--app-folder", app, "--fail-on-missing", "--unused"}, kReportIconMissing, ""},
      {{"--app-folder", folder / "all", "--fail-on-missing"}, kReportDone, ""},
      {{"--help"}, kReportDone, ""},
  };
  for (const Case& c : cases) {
    const auto run = RunReportWith(c.arguments);
    const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.back();
    EXPECT_EQ(run.code, c.code) << shown;
    EXPECT_EQ(run.errors, c.errors) << shown;
    // The table is printed whatever the verdict on missing icons.
    if (c.code == kReportIconMissing && c.arguments.back() != "--unused") {
      EXPECT_EQ(run.out, app + "\\Found.ico\r\nMissing.ico\r\n");
    }
  }
  const auto version = RunReportWith({"--version"});
  EXPECT_EQ(version.code, kReportDone);
  EXPECT_TRUE(version.out.starts_with("glyphlog-report ") && version.out.ends_with("\r\n")) << version.out;
  EXPECT_TRUE(RunReportWith({"--help"}).out.starts_with("Usage: glyphlog-report [options]\r\n"));
}

TEST_F(ReportProgramTest, AScanCutShortOrAReportNotWrittenIsNoSuccess) {
  WriteBytes(folder / "app\\A.lnk", "A.ico\r\n");
  {
    // Another program writing the link file: the scan cannot open it.
    const UniqueFileHandle writer(::CreateFileA((folder / "app\\A.lnk").c_str(), GENERIC_WRITE,
                                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer);
    const auto run = RunReportWith({"--app-folder", folder / "app"});
    EXPECT_EQ(run.code, kReportIncomplete);
    EXPECT_EQ(run.errors, "glyphlog-report: Error Opening A.lnk: Access Denied\n");
    EXPECT_EQ(run.out, "");
  }
  std::ostream nowhere(nullptr);  // every write fails
  std::ostringstream errors;
  EXPECT_EQ(RunReport({"--app-folder", folder / "app"}, nowhere, errors), kReportIncomplete);
  EXPECT_EQ(errors.str(), "glyphlog-report: the report could not be written\n");
}

}  // namespace
}  // namespace glyphlog
