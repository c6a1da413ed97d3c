// The report's formats on a hand-made table: quoting, escaping, the status
// columns and the text format's sameness with the saved list's lines.

#include <gtest/gtest.h>

#include <string>

#include "report/ReportFormats.h"

namespace glyphlog {
namespace {

class ReportFormatsTest : public ::testing::Test {
 protected:
  void Add(std::string_view icon, std::string_view apps, Resolution how) {
    icons.record.ICON = icon;
    icons.record.APPS = apps;
    icons.Append();
    resolutions.emplace(std::string(icon), std::move(how));
  }
  void SetUp() override {
    using enum Resolution::Kind;
    Add("  Lead, \"quoted\".ico", "A", {NotFound, "", ""});
    Add("C:\\Icons\\Caf\xE9;1.ico", "Caf\xE9, B", {ThroughRule, "*.ico", "%X%\\Icons"});
    Add("C:\\Here.ico", "B", {AsWritten, "", ""});
    Add("tab\tand\x01.ico", "A, A", {NotFound, "", ""});
  }

  Table<IconUsage> icons;
  IconResolutions resolutions;
};

TEST_F(ReportFormatsTest, CsvQuotesWhatWouldSplitOrLoseAField) {
  EXPECT_EQ(CsvReport(ReportRowsOf(icons, resolutions, false)),
            "icon,status,rule,folder,used_by\r\n"
            "\"  Lead, \"\"quoted\"\".ico\",not-found,,,A\r\n"
            "\"C:\\Icons\\Caf\xE9;1.ico\",by-rule,*.ico,%X%\\Icons,\"Caf\xE9, B\"\r\n"
            "C:\\Here.ico,as-written,,,B\r\n"
            "tab\tand\x01.ico,not-found,,,\"A, A\"\r\n");
  EXPECT_EQ(CsvReport(ReportRowsOf(icons, resolutions, true)),
            "icon,status,rule,folder,used_by\r\n"
            "\"  Lead, \"\"quoted\"\".ico\",not-found,,,A\r\n"
            "tab\tand\x01.ico,not-found,,,\"A, A\"\r\n");
  EXPECT_EQ(CsvReport({}), "icon,status,rule,folder,used_by\r\n");
  EXPECT_EQ(CsvField("line\r\nbreak"), "\"line\r\nbreak\"");
  EXPECT_EQ(CsvField("trailing "), "\"trailing \"");
}

TEST_F(ReportFormatsTest, JsonEscapesAndConvertsEveryText) {
  // Stands for the code page conversion: Latin-1 to UTF-8.
  const auto latin1ToUtf8 = [](std::string_view text) {
    std::string utf8;
    for (const char c : text) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x80) {
        utf8 += c;
      } else {
        utf8 += static_cast<char>(0xC0 | (byte >> 6));
        utf8 += static_cast<char>(0x80 | (byte & 0x3F));
      }
    }
    return utf8;
  };
  EXPECT_EQ(
      JsonReport(ReportRowsOf(icons, resolutions, false), latin1ToUtf8),
      "[\r\n"
      "  {\"icon\": \"  Lead, \\\"quoted\\\".ico\", \"status\": \"not-found\", \"rule\": null, "
      "\"folder\": null, \"used_by\": \"A\"},\r\n"
      "  {\"icon\": \"C:\\\\Icons\\\\Caf\xC3\xA9;1.ico\", \"status\": \"by-rule\", \"rule\": \"*.ico\", "
      "\"folder\": \"%X%\\\\Icons\", \"used_by\": \"Caf\xC3\xA9, B\"},\r\n"
      "  {\"icon\": \"C:\\\\Here.ico\", \"status\": \"as-written\", \"rule\": null, \"folder\": null, "
      "\"used_by\": \"B\"},\r\n"
      "  {\"icon\": \"tab\\tand\\u0001.ico\", \"status\": \"not-found\", \"rule\": null, \"folder\": null, "
      "\"used_by\": \"A, A\"}\r\n"
      "]\r\n");
  EXPECT_EQ(JsonReport({}, latin1ToUtf8), "[]\r\n");
}

TEST_F(ReportFormatsTest, TextIsTheSavedListsLinesOptionallyOnlyTheMissing) {
  EXPECT_EQ(TextReport(icons, resolutions, false),
            "  Lead, \"quoted\".ico\r\nC:\\Icons\\Caf\xE9;1.ico\r\nC:\\Here.ico\r\ntab\tand\x01.ico\r\n");
  EXPECT_EQ(TextReport(icons, resolutions, true), "  Lead, \"quoted\".ico\r\ntab\tand\x01.ico\r\n");
  Table<IconUsage> empty;
  EXPECT_EQ(TextReport(empty, resolutions, false), "");
}

}  // namespace
}  // namespace glyphlog
