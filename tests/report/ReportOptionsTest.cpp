#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/ReportOptions.h"

namespace glyphlog {
namespace {

TEST(ReportOptionsTest, ReadsEveryOptionInBothSpellings) {
  const ParsedArguments parsed =
      ParseReportArguments({"--app-folder", "C:\\App", "--redir=C:\\cw\\bin\\cw.red", "--root", "",
                            "--format", "csv", "--format=json", "--missing", "--fail-on-missing"});
  ASSERT_EQ(parsed.error, "");
  const ReportOptions& options = parsed.options;
  EXPECT_EQ(options.appFolder, "C:\\App");
  EXPECT_EQ(options.redirFile, "C:\\cw\\bin\\cw.red");
  EXPECT_EQ(options.rootFolder, "");  // given, though blank: the settings file's value is not used
  EXPECT_EQ(options.format, ReportFormat::Json);
  EXPECT_TRUE(options.missingOnly);
  EXPECT_TRUE(options.failOnMissing);
  EXPECT_FALSE(options.unused);

  const ReportOptions defaults = ParseReportArguments({}).options;
  EXPECT_FALSE(defaults.appFolder || defaults.redirFile || defaults.rootFolder);
  EXPECT_EQ(defaults.format, ReportFormat::Text);
  EXPECT_TRUE(ParseReportArguments({"--unused", "--format", "text"}).options.unused);
}

TEST(ReportOptionsTest, RefusesWhatItCannotUseWithOneLine) {
  const std::string tooLong(261, 'a');
  struct Case {
    std::vector<std::string> arguments;
    std::string error;
  };
  const std::vector<Case> cases{
      {{"--bogus"}, "unknown option '--bogus'"},
      {{"--missing=yes"}, "unknown option '--missing=yes'"},
      {{"-h"}, "unexpected argument '-h'"},
      {{"C:\\App"}, "unexpected argument 'C:\\App'"},
      {{"--app-folder"}, "--app-folder needs a value"},
      {{"--format", "xml"}, "unknown format 'xml': use text, csv or json"},
      {{"--format="}, "unknown format '': use text, csv or json"},
      {{"--root", tooLong}, "--root is longer than 260 characters"},
      {{"--unused", "--missing"},
       "--unused prints a plain list of files: it goes with neither --missing nor --format"},
      {{"--format", "csv", "--unused"},
       "--unused prints a plain list of files: it goes with neither --missing nor --format"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseReportArguments(c.arguments).error, c.error) << c.arguments[0];
  }
  EXPECT_EQ(ParseReportArguments({"--root", std::string(260, 'a')}).error, "");
}

}  // namespace
}  // namespace glyphlog
