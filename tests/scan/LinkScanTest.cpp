// The link-file scan on real folders, driven through the main procedure with
// a scripted user, so the redirection rules and the current folder take part.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "scan/LinkScan.h"
#include "shell/FileSystem.h"
#include "shell/Handles.h"
#include "shell/MainProcedure.h"
#include "support/ScriptedUser.h"
#include "support/TestFiles.h"

namespace glyphlog {
namespace {

using testing::Row;
using testing::ScriptedUser;

class LinkScanTest : public ::testing::Test {
 protected:
  void Run() {
    const testing::CurrentFolderScope start(folder / "start");
    RunMainProcedure(state, ui, &resolutions);
    EXPECT_EQ(CurrentFolder(), ui.listShown ? folder / "start" : CurrentFolder());
  }

  testing::TempFolder folder;
  ProgramState state;
  ScriptedUser ui;
  IconResolutions resolutions;

  void SetUp() override {
    testing::MakeFolder(folder / "start");
    testing::MakeFolder(folder / "App");
    ui.appFolder = folder / "App";
  }
};

TEST_F(LinkScanTest, BuildsOneSortedRowPerIconWithTheProjectsThatUseIt) {
  testing::WriteBytes(folder / "root\\images\\Logo.ico", "");
  testing::WriteBytes(folder / "root\\images\\Tools.ico", "");
  testing::WriteBytes(folder / "App\\local.ico", "");
  testing::WriteBytes(folder / "redir.red", "[Common]\r\n*.ico=%ROOT%\\images\r\n");
  testing::WriteBytes(folder / "App\\A.LNK", "Logo.ico\r\n  unrelated\r\nsee icons.icon.txt here\r\n");
  testing::WriteBytes(folder / "App\\B.lnk",
                      "/PROGRAM_ICON=Logo.ico\r\n/program_icon=Tools.ico\r\n/PROGRAM_ICON Missing.ico\r\n"
                      "/PROGRAM_ICON=missing.ico\r\nlocal.ico\r\n\tLOCAL.ICO\r\n" +
                          folder / "App\\local.ico\r\n");
  testing::WriteBytes(folder / "App\\C.lnk", "Tools.ico\r\nTools.ico\r\n");
  testing::WriteBytes(folder / "App\\hidden.lnk", "Hidden.ico\r\n");
  testing::SetAttributes(folder / "App\\hidden.lnk", FILE_ATTRIBUTE_HIDDEN);
  ui.redirFile = folder / "redir.red";
  ui.rootFolder = (folder / "root//").substr(0) + "  ";  // normalised before it becomes %ROOT%

  std::map<std::string, testing::FileSnapshot> before;
  for (const char* name : {"App\\A.LNK", "App\\B.lnk", "App\\C.lnk", "redir.red"}) {
    before[name] = testing::Snapshot(folder / name);
  }
  Run();

  ASSERT_TRUE(ui.listShown);
  EXPECT_EQ(ui.folderWhileShown, folder / "start");
  EXPECT_TRUE(ui.user.messages.empty());
  // Link files are listed in the system's order; the order of names in a row follows it.
  std::vector<std::string> order;
  for (std::int32_t i = 1; i <= state.FQ.RowCount(); ++i) {
    state.FQ.FetchAt(i);
    order.push_back(state.FQ.record.NAME.Str());
  }
  ASSERT_EQ(std::set<std::string>(order.begin(), order.end()),
            (std::set<std::string>{"A.LNK", "B.lnk", "C.lnk"}));
  const bool aFirst = order[0] == "A.LNK" || (order[1] == "A.LNK" && order[0] != "B.lnk");
  const std::string logoApps = aFirst ? "A, B" : "B, A";
  // The tab becomes blanks, which stay part of the name: that spelling is not found.
  EXPECT_EQ(ui.rows, (std::vector<Row>{
                         {"        LOCAL.ICO", "B"},
                         {"/program_icon=Tools.ico", "B"},
                         {folder / "App\\local.ico", "B, B"},
                         {folder / "root\\images\\Logo.ico", logoApps},
                         {folder / "root\\images\\Tools.ico", "C, C"},
                         {"Missing.ico", "B"},
                         {"missing.ico", "B"},
                         {"see icons.icon.txt here", "A"},
                     }));
  for (const auto& [name, snapshot] : before) EXPECT_EQ(testing::Snapshot(folder / name), snapshot) << name;

  // One resolution per row, from the line that made it; the rule's folder as stored.
  ASSERT_EQ(resolutions.size(), ui.rows.size());
  using enum Resolution::Kind;
  const auto& logo = resolutions.at(folder / "root\\images\\Logo.ico");
  EXPECT_EQ(logo.kind, ThroughRule);
  EXPECT_EQ(logo.mask, "*.ico");
  EXPECT_EQ(logo.folder, folder / "root\\\\images");
  EXPECT_EQ(resolutions.at(folder / "App\\local.ico").kind, AsWritten);
  EXPECT_EQ(resolutions.at("Missing.ico").kind, NotFound);
  EXPECT_EQ(resolutions.at("        LOCAL.ICO").kind, NotFound);
}

TEST_F(LinkScanTest, WithoutBothRedirectionSettingsOnlyNamesAsWrittenAreFound) {
  testing::WriteBytes(folder / "root\\images\\Logo.ico", "");
  testing::WriteBytes(folder / "redir.red", "[Common]\r\n*.ico=%ROOT%\\images\r\n");
  testing::WriteBytes(folder / "App\\A.lnk", "Logo.ico\r\n");
  ui.redirFile = folder / "redir.red";
  ui.rootFolder = "   ";
  Run();
  EXPECT_EQ(state.Rules.REDIRQ.RowCount(), 0);
  EXPECT_EQ(ui.rows, (std::vector<Row>{{"Logo.ico", "A"}}));
}

TEST_F(LinkScanTest, NoLinkFileEndsTheProgramWithAMessage) {
  testing::WriteBytes(folder / "App\\readme.txt", "x.ico\r\n");
  for (const std::string& appFolder : {folder / "App", folder / "Missing"}) {
    ProgramState fresh;
    ScriptedUser user;
    user.appFolder = appFolder;
    const testing::CurrentFolderScope start(folder / "start");
    RunMainProcedure(fresh, user);
    EXPECT_FALSE(user.listShown);
    ASSERT_EQ(user.user.messages.size(), 1u);
    EXPECT_EQ(user.user.messages[0].text, "No .LNK files");
    EXPECT_EQ(user.user.messages[0].caption, "");
    EXPECT_EQ(user.user.messages[0].icon, MessageIcon::None);
  }
}

TEST_F(LinkScanTest, ALinkFileThatCannotBeOpenedStopsTheScanButKeepsWhatWasFound) {
  for (const char* name : {"one", "two", "three", "four", "five"}) {
    testing::WriteBytes(folder / "App\\" + name + ".lnk", std::string(name) + ".ico\r\n");
  }
  Table<FolderEntry> listing;
  ListFolder(listing, folder / "App\\*.lnk", 0);
  std::vector<std::string> order;
  for (std::int32_t i = 1; i <= listing.RowCount(); ++i) {
    listing.FetchAt(i);
    order.push_back(listing.record.NAME.Str());
  }
  ASSERT_EQ(order.size(), 5u);
  const UniqueFileHandle writer(::CreateFileA((folder / "App\\" + order[2]).c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(writer);
  Run();

  ASSERT_TRUE(ui.listShown);
  ASSERT_EQ(ui.user.messages.size(), 1u);
  EXPECT_EQ(ui.user.messages[0].text, "Error Opening " + order[2] + "||Access Denied");
  EXPECT_EQ(ui.user.messages[0].caption, "Error");
  EXPECT_EQ(ui.user.messages[0].icon, MessageIcon::Exclamation);
  std::set<std::string> icons;
  for (const auto& row : ui.rows) icons.insert(row.icon);
  const auto project = [](const std::string& file) { return file.substr(0, file.size() - 4); };
  EXPECT_EQ(icons, (std::set<std::string>{project(order[0]) + ".ico", project(order[1]) + ".ico"}));
}

TEST_F(LinkScanTest, ManyIconsAndFilesWithoutIconLines) {
  std::string lines;
  for (int i = 0; i < 300; ++i) lines += "icon" + std::to_string(i) + ".ico\r\n";
  testing::WriteBytes(folder / "App\\many.lnk", lines);
  testing::WriteBytes(folder / "App\\none.lnk", "nothing here\r\n.bmp\r\n");
  Run();
  EXPECT_EQ(ui.rows.size(), 300u);

  ProgramState empty;
  ScriptedUser user;
  testing::WriteBytes(folder / "Plain\\p.lnk", "nothing\r\n");
  user.appFolder = folder / "Plain";
  RunMainProcedure(empty, user);
  EXPECT_TRUE(user.listShown);
  EXPECT_TRUE(user.rows.empty());
}

}  // namespace
}  // namespace glyphlog
