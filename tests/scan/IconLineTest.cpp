#include <gtest/gtest.h>

#include <optional>

#include "scan/IconLine.h"

namespace glyphlog {
namespace {

TEST(IconNameFromLineTest, Table) {
  struct Case {
    std::string_view line;
    std::optional<std::string_view> name;
  };
  const Case cases[] = {
      {"/PROGRAM_ICON=app.ico", "app.ico"},
      {"/PROGRAM_ICON app.ico  ", "app.ico  "},
      {"/PROGRAM_ICONxicons\\app.ico", "icons\\app.ico"},
      {"/program_icon=app.ico", "/program_icon=app.ico"},
      {" /PROGRAM_ICON=app.ico", " /PROGRAM_ICON=app.ico"},
      {"c:\\icons\\app.ico", "c:\\icons\\app.ico"},
      {"c:\\.icons\\readme.txt", "c:\\.icons\\readme.txt"},
      {"; uses APP.ICO for the frame", "; uses APP.ICO for the frame"},
      {"c:\\app.Icon", "c:\\app.Icon"},
      {"/PROGRAM_ICON.ICO", "ICO"},
      {"/PROGRAM_ICON", std::nullopt},
      {"/PROGRAM_ICON=app.bmp", std::nullopt},
      {"app.ic o", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(IconNameFromLine(c.line), c.name);
  }
}

}  // namespace
}  // namespace glyphlog
