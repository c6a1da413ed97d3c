// Loading the rules of one section from real redirection files.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SampleRedirectionFiles.h"
#include "redirection/RedirectionRules.h"
#include "shell/Handles.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

struct ExpectedRule {
  std::string mask;
  std::vector<std::string> paths;
  bool operator==(const ExpectedRule&) const = default;
};

void PrintTo(const ExpectedRule& rule, std::ostream* out) {
  *out << "[" << rule.mask << "] =";
  for (const auto& path : rule.paths) *out << " [" << path << "]";
}

std::vector<ExpectedRule> RulesOf(RedirectionRules& rules) {
  std::vector<ExpectedRule> result;
  for (std::int32_t i = 1; i <= rules.REDIRQ.RowCount(); ++i) {
    rules.REDIRQ.FetchAt(i);
    ExpectedRule rule{rules.REDIRQ.record.MASK.Str(), {}};
    auto& paths = *rules.REDIRQ.record.PATH;
    for (std::int32_t j = 1; j <= paths.RowCount(); ++j) {
      paths.FetchAt(j);
      rule.paths.push_back(paths.record.NAME.Str());
    }
    result.push_back(rule);
  }
  return result;
}

class RedirectionRulesTest : public ::testing::Test {
 protected:
  std::vector<ExpectedRule> Load(std::string_view bytes, const std::string& section = "Common") {
    testing::WriteBytes(folder / "r.red", bytes);
    rules.Load(folder / "r.red", section);
    return RulesOf(rules);
  }

  testing::TempFolder folder;
  RedirectionRules rules;
};

TEST_F(RedirectionRulesTest, InstalledSystemFile) {
  rules.SetMacro("root", "C:\\CW\\");
  EXPECT_EQ(Load(fixtures::kInstalledRed),
            (std::vector<ExpectedRule>{
                {"*.chm", {"%BIN%", "C:\\CW\\\\Accessory\\bin"}},
                {"*.tp?", {"C:\\CW\\\\template\\win"}},
                {"*.ico", {".\\resources", "C:\\CW\\\\images"}},
                {"*.*", {".", "C:\\CW\\\\libsrc\\win", "C:\\CW\\\\images", "C:\\CW\\\\template\\win"}},
            }));
}

TEST_F(RedirectionRulesTest, ProjectFileWithTheOddCases) {
  rules.SetMacro("ROOT", "C:\\CW\\");
  EXPECT_EQ(Load(fixtures::kProjectRed),
            (std::vector<ExpectedRule>{
                {"*.ico", {"graphics", "", "..\\shared icons", "C:\\CW\\\\images\\C:\\CW\\"}},
                {"  *.bmp", {"indented mask keeps its blanks"}},
                {"-- a comment line that holds an", {"is still a rule"}},
                {"*.cur", {}},
            }));
}

TEST_F(RedirectionRulesTest, SectionBoundsAndHeaders) {
  struct Case {
    std::string bytes;
    std::vector<ExpectedRule> rules;
  };
  const std::vector<Case> cases{
      {"*.a=before\r\nxx [common] yy\r\n*.b=b\r\n", {{"*.b", {"b"}}}},
      {"[Common]\r\n*.a=a\r\n*.b=[b]\r\n*.c=c\r\n", {{"*.a", {"a"}}}},
      {"[Other]\r\n*.a=a\r\n", {}},
      {"[Common]\r\n\r\n   \r\nno rule\r\n*.a=\r\n", {{"*.a", {}}}},
      {"[Common]\r\n*.a=a\r\n[Common]\r\n*.b=b\r\n", {{"*.a", {"a"}}}},
  };
  for (const auto& c : cases) {
    RedirectionRules fresh;
    testing::WriteBytes(folder / "s.red", c.bytes);
    fresh.Load(folder / "s.red", "Common");
    EXPECT_EQ(RulesOf(fresh), c.rules) << c.bytes;
  }
}

TEST_F(RedirectionRulesTest, UnreadableFilesAddNothingAndRestoreThePointer) {
  testing::WriteBytes(folder / "readonly.red", "[Common]\r\n*.a=a\r\n");
  testing::SetAttributes(folder / "readonly.red", FILE_ATTRIBUTE_READONLY);
  testing::WriteBytes(folder / "locked.red", "[Common]\r\n*.a=a\r\n");
  const UniqueFileHandle writer(::CreateFileA((folder / "locked.red").c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);
  const HCURSOR pointer = ::GetCursor();
  for (const std::string name : {"missing.red", "readonly.red", "locked.red"}) {
    rules.Load(folder / name, "Common");
    EXPECT_EQ(rules.REDIRQ.RowCount(), 0) << name;
    EXPECT_EQ(::GetCursor(), pointer) << name;
  }
}

TEST_F(RedirectionRulesTest, LoadingTwiceDoublesTheRulesAndNeverWritesTheFile) {
  testing::WriteBytes(folder / "r.red", "[Common]\r\n*.a=a;b\r\n\x1A");
  const auto before = testing::Snapshot(folder / "r.red");
  rules.Load(folder / "r.red", "Common");
  rules.Load(folder / "r.red", "Common  ");
  EXPECT_EQ(RulesOf(rules), (std::vector<ExpectedRule>{{"*.a", {"a", "b"}}, {"*.a", {"a", "b"}}}));
  EXPECT_EQ(testing::Snapshot(folder / "r.red"), before);
}

TEST_F(RedirectionRulesTest, MacrosTakeEffectOnlyWhenSetBeforeTheLoadAndReplaceEarlierValues) {
  rules.SetMacro("ROOT", "first\\");
  rules.SetMacro("Root", "C:\\R\\");
  rules.SetMacro("ME", "%ME%x");
  EXPECT_EQ(rules.MACROQ.RowCount(), 2);
  EXPECT_EQ(Load("[Common]\r\n%ROOT%*.a=%ROOT%a;%root%b;%ME%;%OTHER%\r\n"),
            (std::vector<ExpectedRule>{{"C:\\R\\*.a", {"C:\\R\\a", "%root%b", "%ME%x", "%OTHER%"}}}));
}

}  // namespace
}  // namespace glyphlog
