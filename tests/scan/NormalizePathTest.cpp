#include <gtest/gtest.h>

#include <string>

#include "scan/NormalizePath.h"

namespace glyphlog {
namespace {

TEST(NormalizePathTest, Table) {
  const std::string long259(259, 'x');
  struct Case {
    std::string path;
    bool addSeparator;
    std::string normalized;
  };
  const Case cases[] = {
      {"c:/cw//apps/", true, "c:\\cw\\apps\\"},
      {"c:/cw//apps/", false, "c:\\cw\\apps\\"},
      {"c:\\cw", true, "c:\\cw\\"},
      {"c:\\cw", false, "c:\\cw"},
      {"c:\\cw\\\\\\", true, "c:\\cw\\"},
      {"c:\\cw\\\\\\", false, "c:\\cw\\"},
      {"//server//share", true, "\\\\server\\share\\"},
      {"\\\\\\server", false, "\\\\server"},
      {"\\folder", false, "\\folder"},
      {"\\\\", true, "\\\\"},
      {"c:\\my *files?\\", false, "c:\\my _files_\\"},
      {"  C:\\Mixed Case  ", false, "  C:\\Mixed Case"},
      {"", true, "\\"},
      {"", false, ""},
      {"     ", true, "\\"},
      {"     ", false, ""},
      {long259, true, long259},
      {long259 + "yz", true, long259},
      {std::string(258, 'x') + "/", false, std::string(258, 'x') + "\\"},
      {"c:" + std::string(257, '/') + "yz", true, "c:\\"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.path << "\" add=" << c.addSeparator);
    EXPECT_EQ(NormalizePath(c.path, c.addSeparator), c.normalized);
  }
}

}  // namespace
}  // namespace glyphlog
