// The real program, run as a user runs it: settings typed into the dialog,
// the list read off the main window, the list saved through the real save
// dialog, the window closed.

#include <windows.h>
// after windows.h, which they build on
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ModalScript.h"
#include "OtherProgram.h"
#include "support/TestFiles.h"
#include "ui/MainWindowLayout.h"
#include "ui/SettingsDialogLayout.h"

namespace glyphlog {
namespace {

using testing::ControlText;
using testing::OtherProgram;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WaitUntil;
using testing::WindowText;
using testing::WriteBytes;

// The program lies in the build's top folder.
std::string ProgramPath() {
  char self[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string path(self);
  path.resize(path.find_last_of('\\') + 1);
  for (char c : std::string(GLYPHLOG_PROGRAM_FROM_TESTS)) path += c == '/' ? '\\' : c;
  return path;
}

std::string Setting(const std::string& ini, const char* section, const char* key) {
  char value[1024] = "";
  ::GetPrivateProfileStringA(section, key, "<none>", value, sizeof value, ini.c_str());
  return value;
}

TEST(MainProgramTest, AUserTypesTheSettingsReadsTheListSavesItAndCloses) {
  TempFolder folder;
  testing::MakeFolder(folder / "Start");
  WriteBytes(folder / "App\\A.lnk", "Logo.ico\r\nGone.ico\r\n");
  WriteBytes(folder / "App\\B.lnk", "/PROGRAM_ICON=Shared.ico\r\nmain.clw\r\n");
  WriteBytes(folder / "Root\\images\\Logo.ico", "");
  WriteBytes(folder / "Root\\images\\Shared.ico", "");
  WriteBytes(folder / "redir.red", "[Common]\r\n*.ico = %ROOT%\\images\r\n");

  OtherProgram program(ProgramPath(), folder / "Start");
  ASSERT_TRUE(program.Started()) << ProgramPath();

  const HWND settings =
      program.WaitForWindow([](std::string_view caption) { return caption == "Glyph Finder"; });
  ASSERT_TRUE(settings);
  for (const int entry : {FOLDERNAME, REDIRFILE, CWROOTPATH})
    EXPECT_EQ(ControlText(::GetDlgItem(settings, entry)), "");
  testing::TypeInto(settings, FOLDERNAME, folder / "App");
  testing::TypeInto(settings, REDIRFILE, folder / "redir.red");
  testing::TypeInto(settings, CWROOTPATH, folder / "Root");
  testing::PostKey(program.Focus(settings), VK_RETURN);

  const auto listed = [](std::string_view caption) {
    return caption.find(" icons used in ") != caption.npos;
  };
  const HWND window = program.WaitForWindow(listed);
  ASSERT_TRUE(window);
  EXPECT_EQ(WindowText(window), "3 icons used in " + folder / "App" + " using " + folder / "redir.red");
  const std::vector<std::vector<std::string>> rows = program.ListRows(::GetDlgItem(window, kList1), 2);
  EXPECT_EQ(rows, (std::vector<std::vector<std::string>>{
                      {folder / "Root\\images\\Logo.ico", "A"},
                      {folder / "Root\\images\\Shared.ico", "B"},
                      {"Gone.ico", "A"},
                  }));

  testing::PostClick(window, kSaveButton);
  const HWND save =
      program.WaitForWindow([](std::string_view caption) { return caption == "Select FileName"; });
  ASSERT_TRUE(save);
  EXPECT_EQ(ControlText(::GetDlgItem(save, cmb13)), "Iconlist.txt");
  EXPECT_EQ(ControlText(::GetDlgItem(save, cmb1)), "Text Files");
  ::SendMessageA(::GetDlgItem(save, cmb13), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>((folder / "icons.txt").c_str()));
  testing::PostClick(save, IDOK);
  const std::string expected = rows[0][0] + "\r\n" + rows[1][0] + "\r\n" + "Gone.ico\r\n";
  EXPECT_TRUE(WaitUntil([&] { return ReadBytes(folder / "icons.txt") == expected; }))
      << ReadBytes(folder / "icons.txt");

  ASSERT_TRUE(program.WaitForWindow(listed));  // enabled again once the save dialog has gone
  testing::PostClick(window, kCloseButton);
  EXPECT_EQ(program.WaitForExit(), 0u);

  const std::string ini = folder / "Start\\glyphlog.ini";
  EXPECT_EQ(Setting(ini, "glyphlog", "Appfolder"), folder / "App");
  EXPECT_EQ(Setting(ini, "glyphlog", "RedirFile"), folder / "redir.red");
  EXPECT_EQ(Setting(ini, "glyphlog", "CWrootPath"), folder / "Root");
  EXPECT_EQ(Setting(ini, "WindowSettings", "H"), "250");
  EXPECT_EQ(Setting(ini, "WindowSettings", "W"), "500");
}

}  // namespace
}  // namespace glyphlog
