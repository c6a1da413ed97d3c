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

  std::string Locate(const std::string& name) {
    FixedText<260> result("stale");
    rules.Locate(name, result);
    return result.Str();
  }

  testing::TempFolder folder;
  RedirectionRules rules;
};

TEST_F(LocateTest, FindsAsWrittenThenThroughTheRulesInOrder) {
  const testing::CurrentFolderScope inApp(folder / "App");
  struct Case {
    std::string name;
    std::string expected;
  };
  const std::vector<Case> cases{
      {"", ""},
      {"   ", ""},
      {"Here.ico", folder / "App\\Here.ico"},    // as written beats every rule
      {"here.ICO  ", folder / "App\\Here.ico"},  // stored case, trailing blanks ignored
      {folder / "APP\\HERE.ICO", folder / "App\\Here.ico"},
      {"Both.ico", folder / "First\\Both.ico"},               // the first rule's folder wins
      {"OnlySecond.ico", folder / "Second\\OnlySecond.ico"},  // a later rule is reached
      {"sub\\Deep.ico", folder / "Second\\sub\\Deep.ico"},    // folder part kept after the search folder
      {"AFolder.ico", folder / "Second\\AFolder.ico"},        // a folder counts as found
      {"Nowhere.ico  ", "Nowhere.ico"},
      {"y.bmp", "y.bmp"},  // the mask's leading blanks must match
      {"  y.bmp", folder / "Second\\  y.bmp"},
  };
  for (const auto& c : cases) EXPECT_EQ(Locate(c.name), c.expected) << "[" << c.name << "]";
}

TEST_F(LocateTest, ResultIsCutAtTheFieldWidth) {
  const testing::CurrentFolderScope inApp(folder / "App");
  FixedText<12> narrow;
  rules.Locate("Here.ico", narrow);
  EXPECT_EQ(narrow.Trimmed(), (folder / "App\\Here.ico").substr(0, 12));
}

}  // namespace
}  // namespace glyphlog
