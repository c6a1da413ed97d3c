// Locating names on a real folder tree: as written first, then through the
// folders of every matching rule, in order.

#include <gtest/gtest.h>

#include <string>

#include "redirection/RedirectionRules.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

class LocateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::WriteBytes(folder / "App\\Here.ico", "");
    testing::WriteBytes(folder / "First\\Both.ico", "");
    testing::WriteBytes(folder / "Second\\Both.ico", "");
    testing::WriteBytes(folder / "Second\\OnlySecond.ico", "");
    testing::WriteBytes(folder / "Second\\sub\\Deep.ico", "");
    testing::WriteBytes(folder / "First\\Here.ico", "");
    testing::MakeFolder(folder / "Second\\AFolder.ico");
    testing::WriteBytes(folder / "Second\\  y.bmp", "");
    testing::WriteBytes(folder / "rules.red",
                        "[Common]\r\n"
                        "*.ico=" +
                            (folder / "Missing") + ";" + (folder / "First") +
                            "\\\r\n"
                            "*.ICO=" +
                            (folder / "Second") +
                            "\r\n"
                            "  *.bmp=" +
                            (folder / "Second") +
                            "\r\n"
                            "=" +
                            (folder / "Second") + "\r\n");
    rules.Load(folder / "rules.red", "Common");
  }

  std::string Locate(const std::string& name, Resolution* how = nullptr) {
    FixedText<260> result("stale");
    rules.Locate(name, result, how);
    return result.Str();
  }

  testing::TempFolder folder;
  RedirectionRules rules;
};

TEST_F(LocateTest, FindsAsWrittenThenThroughTheRulesInOrder) {
  const testing::CurrentFolderScope inApp(folder / "App");
  using enum Resolution::Kind;
  const std::string first = folder / "First\\";
  const std::string second = folder / "Second";
  struct Case {
    std::string name;
    std::string expected;
    Resolution::Kind kind;
    std::string mask = "";
    std::string folder = "";
  };
  const std::vector<Case> cases{
      {"", "", NotFound},
      {"   ", "", NotFound},
      {"Here.ico", folder / "App\\Here.ico", AsWritten},    // as written beats every rule
      {"here.ICO  ", folder / "App\\Here.ico", AsWritten},  // stored case, trailing blanks ignored
      {folder / "APP\\HERE.ICO", folder / "App\\Here.ico", AsWritten},
      {"Both.ico", folder / "First\\Both.ico", ThroughRule, "*.ico", first},  // the first rule's folder wins
      {"OnlySecond.ico", folder / "Second\\OnlySecond.ico", ThroughRule, "*.ICO", second},  // a later rule
      {"sub\\Deep.ico", folder / "Second\\sub\\Deep.ico", ThroughRule, "*.ICO", second},  // folder part kept
      {"AFolder.ico", folder / "Second\\AFolder.ico", ThroughRule, "*.ICO",
       second},  // a folder counts as found
      {"Nowhere.ico  ", "Nowhere.ico", NotFound},
      {"y.bmp", "y.bmp", NotFound},  // the mask's leading blanks must match
      {"  y.bmp", folder / "Second\\  y.bmp", ThroughRule, "  *.bmp", second},
  };
  for (const auto& c : cases) {
    Resolution how{ThroughRule, "stale", "stale"};
    EXPECT_EQ(Locate(c.name, &how), c.expected) << "[" << c.name << "]";
    EXPECT_EQ(how.kind, c.kind) << "[" << c.name << "]";
    EXPECT_EQ(how.mask, c.mask) << "[" << c.name << "]";
    EXPECT_EQ(how.folder, c.folder) << "[" << c.name << "]";
    EXPECT_EQ(Locate(c.name), c.expected) << "without asking how: [" << c.name << "]";
  }
}

TEST_F(LocateTest, ResultIsCutAtTheFieldWidth) {
  const testing::CurrentFolderScope inApp(folder / "App");
  FixedText<12> narrow;
  rules.Locate("Here.ico", narrow);
  EXPECT_EQ(narrow.Trimmed(), (folder / "App\\Here.ico").substr(0, 12));
}

}  // namespace
}  // namespace glyphlog
