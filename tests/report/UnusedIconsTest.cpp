// --unused: the icon files in the folders where the rules look for icons
// that no link file uses, however the link files name the used ones.

#include <gtest/gtest.h>

#include "ReportFixture.h"
#include "report/ReportProgram.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::WriteBytes;

TEST(UnusedIconsTest, ListsEachUnusedIconFileOnceInPathOrder) {
  testing::TempFolder folder;
  const testing::CurrentFolderScope start(folder.path());
  // Used through a name relative to the application folder, through a rule
  // in another letter case, and not at all.
  WriteBytes(folder / "app\\A.lnk", "..\\icons2\\Rel.ico\r\nLOGO.ICO\r\nMissing.ico\r\n");
  for (const char* file :
       {"icons1\\Logo.ico", "icons1\\Spare.ico", "icons1\\notes.txt", "icons1\\Wide.icon",
        "icons1\\sub\\Deep.ico", "icons2\\Rel.ico", "icons2\\old.ICO", "bitmaps\\Stray.ico"}) {
    WriteBytes(folder / file, "");
  }
  // Only rules that can find an .ico file count; a folder listed twice is read once.
  WriteBytes(folder / "rules.red", "[Common]\r\n*.bmp=" + (folder / "bitmaps") +
                                       "\r\n*.ico=" + (folder / "icons1") + "\r\n*.*=..\\icons2;" +
                                       (folder / "icons1") + "\r\n");
  const std::vector<std::string> settings =
      testing::ArgumentsFor({folder / "app", folder / "rules.red", folder.path()});
  std::vector<std::string> arguments = settings;
  arguments.push_back("--unused");

  const auto run = testing::RunReportWith(arguments);

  EXPECT_EQ(run.code, kReportDone);
  EXPECT_EQ(run.out, (folder / "icons1\\Spare.ico\r\n") + (folder / "icons2\\old.ICO\r\n"));
  EXPECT_EQ(run.errors, "");
  // The table agrees: the case-shifted name was found in the first icon folder.
  EXPECT_NE(testing::RunReportWith(settings).out.find(folder / "icons1\\Logo.ico\r\n"), std::string::npos);

  WriteBytes(folder / "app\\B.lnk", "Spare.ico\r\n..\\ICONS2\\OLD.ico\r\n");
  EXPECT_EQ(testing::RunReportWith(arguments).out, "");
}

}  // namespace
}  // namespace glyphlog
