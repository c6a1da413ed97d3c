// The folder listing lists ordinary files only, after the rows already present.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "shell/FolderListing.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

TEST(ListFolderTest, ListsOnlyOrdinaryMatchingFilesAfterExistingRows) {
  testing::TempFolder folder;
  testing::WriteBytes(folder / "a.lnk", "12345");
  testing::WriteBytes(folder / "b.lnk", "");
  testing::SetAttributes(folder / "b.lnk", FILE_ATTRIBUTE_HIDDEN);
  testing::MakeFolder(folder / "c.lnk");
  testing::WriteBytes(folder / "d.LNK", "");
  testing::WriteBytes(folder / "e.txt", "");
  testing::WriteBytes(folder / "f.lnk", "");
  testing::SetAttributes(folder / "f.lnk", FILE_ATTRIBUTE_READONLY);

  Table<FolderEntry> table;
  table.record.NAME = "already here";
  table.Append();
  ListFolder(table, folder.path() + "\\*.lnk", 0);

  ASSERT_EQ(table.RowCount(), 4);
  table.FetchAt(1);
  EXPECT_EQ(table.record.NAME.Trimmed(), "already here");
  std::set<std::string> names;
  for (int i = 2; i <= 4; ++i) {
    table.FetchAt(i);
    names.insert(table.record.NAME.Str());
    if (table.record.NAME == "a.lnk") {
      EXPECT_EQ(table.record.SIZE, 5);
      EXPECT_FALSE(table.record.SHORTNAME.IsBlank());
    }
    if (table.record.NAME == "f.lnk") {
      EXPECT_EQ(table.record.ATTRIB & 0x01, 0x01);
    }
  }
  EXPECT_EQ(names, (std::set<std::string>{"a.lnk", "d.LNK", "f.lnk"}));
}

TEST(ListFolderTest, MissingFolderOrNoMatchLeavesTheTableAlone) {
  testing::TempFolder folder;
  Table<FolderEntry> table;
  for (const std::string& mask :
       {folder / "missing\\*.lnk", folder / "*.lnk", std::string(), std::string("   ")}) {
    ListFolder(table, mask, 0);
    EXPECT_EQ(table.RowCount(), 0) << mask;
  }
}

}  // namespace
}  // namespace glyphlog
