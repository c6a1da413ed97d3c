#include <gtest/gtest.h>

#include <cstdio>

#include "support/TestFiles.h"
#include "ui/IconListExport.h"

namespace glyphlog {
namespace {

using testing::CurrentFolderScope;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::WriteBytes;

class IconListExportTest : public ::testing::Test {
 protected:
  // Rows named so that their order is the table's order; returns the file
  // the export must produce for them.
  std::string AddRows(int count) {
    std::string expected;
    for (int i = 1; i <= count; ++i) {
      char name[64];
      std::snprintf(name, sizeof name, "C:\\Icons\\Set %03d.ico", i);
      state.ICONQ.record = {};
      state.ICONQ.record.ICON = name;
      state.ICONQ.record.ICON_ICON = static_cast<std::int16_t>(i);
      state.ICONQ.record.APPS = "Billing, Orders";
      state.ICONQ.Append();
      expected += std::string(name) + "\r\n";
    }
    return expected;
  }

  TempFolder folder;
  CurrentFolderScope current{folder.path()};
  ProgramState state;
  ScriptedPrompts prompts;
};

class IconListExportRowsTest : public IconListExportTest, public ::testing::WithParamInterface<int> {};

TEST_P(IconListExportRowsTest, WritesEachIconNameOnItsOwnLine) {
  const std::string expected = AddRows(GetParam());
  // What the scan leaves behind: a listing and the last link file still open.
  WriteBytes(folder / "Billing.lnk", "ICON.ICO\r\n");
  state.FQ.record.NAME = "Billing.lnk";
  state.FQ.Append();
  state.LNK.Open(kReadWriteDenyWrite);
  ASSERT_EQ(ErrorCode(), kNoError);
  prompts.fileAnswer = folder / "Icons.txt";

  ExportIconList(state, prompts);

  EXPECT_EQ(ReadBytes(folder / "Icons.txt"), expected);
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_EQ(state.FQ.RowCount(), 0);
  EXPECT_FALSE(state.LNK.IsOpen());
  ASSERT_EQ(prompts.fileRequests.size(), 1u);
  const FileRequest& request = prompts.fileRequests[0];
  EXPECT_EQ(request.title, "Select FileName");
  EXPECT_EQ(request.filterLabel, "Text Files");
  EXPECT_EQ(request.filterPattern, "*.txt");
  EXPECT_EQ(request.initial, "Iconlist.txt");
}

INSTANTIATE_TEST_SUITE_P(RowCounts, IconListExportRowsTest, ::testing::Values(0, 1, 300));

TEST_F(IconListExportTest, SecondExportReplacesTheFirstAndStartsFromTheDefaultNameAgain) {
  AddRows(3);
  prompts.fileAnswer = "Chosen.txt";
  ExportIconList(state, prompts);
  state.ICONQ.Clear();
  const std::string expected = AddRows(1);

  ExportIconList(state, prompts);

  EXPECT_EQ(ReadBytes(folder / "Chosen.txt"), expected);
  ASSERT_EQ(prompts.fileRequests.size(), 2u);
  EXPECT_EQ(prompts.fileRequests[1].initial, "Iconlist.txt");
  EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(IconListExportTest, TargetsThatCannotBeCreatedAreReportedAndLeftAlone) {
  AddRows(2);
  WriteBytes(folder / "Locked.txt", "kept\r\n");
  testing::SetAttributes(folder / "Locked.txt", FILE_ATTRIBUTE_READONLY);
  testing::MakeFolder(folder / "Folder.txt");
  const struct {
    std::string target;
    std::string error;
  } cases[] = {
      {folder / "Locked.txt", "Access Denied"},
      {folder / "Missing\\List.txt", "Path Not Found"},
      {folder / "Folder.txt", "Access Denied"},
  };
  for (const auto& c : cases) {
    prompts.messages.clear();
    prompts.fileAnswer = c.target;

    ExportIconList(state, prompts);

    ASSERT_EQ(prompts.messages.size(), 1u) << c.target;
    EXPECT_EQ(prompts.messages[0].text, "Error Creating " + c.target + "||" + c.error);
    EXPECT_EQ(prompts.messages[0].caption, "Error");
    EXPECT_EQ(prompts.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_FALSE(state.LNK.IsOpen());
  }
  EXPECT_EQ(ReadBytes(folder / "Locked.txt"), "kept\r\n");
  EXPECT_EQ(ReadBytes(folder / "Missing\\List.txt"), "<missing>");
}

TEST_F(IconListExportTest, CancelWritesNothingAndSaysNothing) {
  AddRows(2);
  prompts.fileAnswer = std::nullopt;

  ExportIconList(state, prompts);

  EXPECT_EQ(ReadBytes(folder / "Iconlist.txt"), "<missing>");
  EXPECT_TRUE(prompts.messages.empty());
  EXPECT_FALSE(state.LNK.IsOpen());
}

}  // namespace
}  // namespace glyphlog
