#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "redirection/RuleSyntax.h"

namespace glyphlog {
namespace {

TEST(SectionBoundsTest, HeaderAndEndOfBody) {
  struct Case {
    std::string_view line;
    bool header;
    bool ends;
  };
  const Case cases[] = {
      {"[Common]", true, true},
      {"[common]", true, true},
      {"; rules follow [COMMON] here", true, true},
      {"[Common ]", false, true},
      {"[Commonx]", false, true},
      {"Common", false, false},
      {"*.ico = c:\\icons [old]", false, true},
      {"*.ico = c:\\icons", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(IsSectionHeader(c.line, "Common   "), c.header);
    EXPECT_EQ(EndsSection(c.line), c.ends);
  }
}

TEST(MacroTokenTest, UpperCasedBetweenPercentSignsAndCut) {
  EXPECT_EQ(MacroToken("root  "), "%ROOT%");
  EXPECT_EQ(MacroToken("a_very_long_macro_name"), "%A_VERY_LONG_MACRO_N");
}

TEST(ExpandMacrosTest, ReplacesTokensAsWritten) {
  const std::vector<Macro> macros = {{"%ROOT%", "c:\\cw\\"}, {"%LIB%", "%ROOT%lib"}, {"%LOOP%", "<%LOOP%>"}};
  struct Case {
    std::string_view line;
    std::string_view expanded;
  };
  const Case cases[] = {
      {"%ROOT%*.ico = %ROOT%images;%ROOT%\\x", "c:\\cw\\*.ico = c:\\cw\\images;c:\\cw\\\\x"},
      {"*.ico = %root%;%HOME%;100%", "*.ico = %root%;%HOME%;100%"},
      // A later macro's text is not searched by an earlier one.
      {"*.ico = %LIB%", "*.ico = %ROOT%lib"},
      {"*.ico = %LOOP%;%LOOP%", "*.ico = <%LOOP%>;<%LOOP%>"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(ExpandMacros(c.line, macros), c.expanded);
  }
}

TEST(ExpandMacrosTest, EarlierMacrosTextIsSeenByLaterOnes) {
  const std::vector<Macro> macros = {{"%LIB%", "%ROOT%lib"}, {"%ROOT%", "c:\\"}};
  EXPECT_EQ(ExpandMacros("x=%LIB%", macros), "x=c:\\lib");
}

TEST(ExpandMacrosTest, EmptyTokenReplacesNothing) {
  EXPECT_EQ(ExpandMacros("x=a;b", {{"", "never"}}), "x=a;b");
}

TEST(ExpandMacrosTest, GrowthIsCutAtLineWidth) {
  const std::string root(300, 'r');
  const std::string line = "*.ico=%ROOT%;%ROOT%;%ROOT%;%ROOT%";
  const std::string expanded = ExpandMacros(line, {{"%ROOT%", root}});
  ASSERT_EQ(expanded.size(), kRuleLineWidth);
  EXPECT_EQ(expanded, ("*.ico=" + root + ";" + root + ";" + root + ";" + root).substr(0, kRuleLineWidth));
}

TEST(ParseRuleLineTest, SplitsMaskAndPaths) {
  using Paths = std::vector<std::string>;
  struct Case {
    std::string_view line;
    std::string_view mask;
    Paths paths;
  };
  const Case cases[] = {
      {"*.ico=a;;b", "*.ico", {"a", "", "b"}},
      {"*.ico=a;b;", "*.ico", {"a", "b"}},
      {"*.ico=a;b; x", "*.ico", {"a", "b", "x"}},
      {"*.ico=a;b;   ", "*.ico", {"a", "b"}},
      {"   *.ico   =  c:\\one  ;  d:\\two  ", "   *.ico", {"c:\\one", "d:\\two"}},
      {"*.ico=", "*.ico", {}},
      {"*.ico =    ", "*.ico", {}},
      {"*.ico=;", "*.ico", {""}},
      {"=a", "", {"a"}},
      {"*.ico=a=b;c=", "*.ico", {"a=b", "c="}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const auto rule = ParseRuleLine(c.line);
    ASSERT_TRUE(rule.has_value());
    EXPECT_EQ(rule->mask, c.mask);
    EXPECT_EQ(rule->paths, c.paths);
  }
}

TEST(ParseRuleLineTest, LineWithoutEqualsIsNoRule) {
  for (const std::string_view line : {"", "      ", "; a comment", "*.ico c:\\icons"}) {
    SCOPED_TRACE(line);
    EXPECT_FALSE(ParseRuleLine(line).has_value());
  }
}

TEST(ParseRuleLineTest, MaskAndPathsAreCutAtTheirWidths) {
  const std::string mask(120, 'm');
  const std::string path(300, 'p');
  const auto rule = ParseRuleLine(mask + "=" + path + ";  " + path);
  ASSERT_TRUE(rule.has_value());
  EXPECT_EQ(rule->mask, mask.substr(0, kMaskWidth));
  EXPECT_EQ(rule->paths, std::vector<std::string>(2, path.substr(0, kPathWidth)));
}

}  // namespace
}  // namespace glyphlog
