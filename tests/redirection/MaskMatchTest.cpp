#include <gtest/gtest.h>

#include <string>

#include "redirection/MaskMatch.h"

namespace glyphlog {
namespace {

TEST(MaskMatchesTest, Table) {
  struct Case {
    std::string_view mask;
    std::string_view name;
    bool matches;
  };
  const Case cases[] = {
      {"*.*", "app.ico", true},
      {"*.*", "readme", false},
      {"*.*", ".", true},
      {"*.ico", "app.ico", true},
      {"*.ico", "app.ico.bak", false},
      {"*", "", true},
      {"a?c.ico", "abc.ico", true},
      {"a?c.ico", "ac.ico", false},
      {"a?c.ico", "abbc.ico", false},
      {"????", "abc", false},
      {"*.ICO", "App.Ico", true},
      {"ABC", "abc", true},
      {"[x]", "[X]", true},
      {"\xC4.ico", "\xE4.ico", false},
      {"  *.ico", "  app.ico", true},
      {"  *.ico", "app.ico", false},
      {"*.ico", "  app.ico", true},
      {"*.ico   ", "app.ico      ", true},
      {"", "app.ico", false},
      {"   ", "app.ico", false},
      {"", "   ", false},
      {"*.ico", "icons\\app.ico", true},
      {"app.ico", "icons\\app.ico", false},
      {"icons\\*", "icons\\sub\\app.ico", true},
      {"ICONS\\*.ico", "icons\\app.ico", true},
      {"a**b", "ab", true},
      {"a**b", "axxb", true},
      {"a*b*c", "abxbc", true},
      {"a*b*c", "acb", false},
      {"*a", "banana", true},
      {"*a", "bananas", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.mask << "\" vs \"" << c.name << '"');
    EXPECT_EQ(MaskMatches(c.mask, c.name), c.matches);
  }
}

// Backtracking into every star would take exponential time here.
TEST(MaskMatchesTest, ManyStarsAgainstLongNameFinish) {
  std::string mask;
  for (int i = 0; i < 50; ++i) mask += "*a";
  mask += "b";
  const std::string name(5000, 'a');
  EXPECT_FALSE(MaskMatches(mask, name));
  EXPECT_TRUE(MaskMatches(mask, name + "b"));
}

TEST(MaskCanMatchEndingTest, Table) {
  struct Case {
    std::string_view mask;
    bool matches;  // some name ending in ".ico" matches
  };
  const Case cases[] = {
      {"*.ico", true},      {"*.ICO  ", true},     {"*.*", true},          {"*", true},
      {"a*", true},         {"*o", true},          {"*?", true},           {"Logo.ico", true},
      {"????", true},       {"???", false},        {"*.i?o", true},        {"*.bmp", false},
      {"*.ico.bak", false}, {"Logo.icon", false},  {"*.*x", false},        {"ico", false},
      {"", false},          {"   ", false},        {"icons\\*.ico", true}, {"*.ico*", true},
      {"*.x*.ico", true},   {"*.ico*.bmp", false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MaskCanMatchEnding(c.mask, ".ico"), c.matches) << '"' << c.mask << '"';
}

}  // namespace
}  // namespace glyphlog
