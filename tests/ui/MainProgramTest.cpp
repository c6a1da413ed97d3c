// The real program, run as a user runs it: settings typed into the dialog,
// the list read off the main window, the list saved through the real save
// dialog, the window closed.

#include <windows.h>
// after windows.h, which they build on
#include <commctrl.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <algorithm>
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

class MainProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::MakeFolder(folder / "Start");
    WriteBytes(folder / "App\\A.lnk", "Logo.ico\r\nGone.ico\r\n");
    WriteBytes(folder / "App\\B.lnk", "/PROGRAM_ICON=Shared.ico\r\nmain.clw\r\n");
    WriteBytes(folder / "Root\\images\\Logo.ico", "");
    WriteBytes(folder / "Root\\images\\Shared.ico", "");
    WriteBytes(folder / "redir.red", "[Common]\r\n*.ico = %ROOT%\\images\r\n");
  }

  // The export of the list this tree gives.
  std::string ExpectedList() const {
    return folder / "Root\\images\\Logo.ico\r\n" + folder / "Root\\images\\Shared.ico\r\nGone.ico\r\n";
  }

  static HWND MainWindow(const OtherProgram& program) {
    return program.WaitForWindow(
        [](std::string_view caption) { return caption.find(" icons used in ") != caption.npos; });
  }

  // Presses Save Icon List, answers the real save dialog with `target`,
  // and waits until the list is written.
  void SaveList(const OtherProgram& program, HWND window, const std::string& target) const {
    testing::PostClick(window, kSaveButton);
    const HWND save =
        program.WaitForWindow([](std::string_view caption) { return caption == "Select FileName"; });
    ASSERT_TRUE(save);
    EXPECT_EQ(ControlText(::GetDlgItem(save, cmb13)), "Iconlist.txt");
    EXPECT_EQ(ControlText(::GetDlgItem(save, cmb1)), "Text Files");
    ::SendMessageA(::GetDlgItem(save, cmb13), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(target.c_str()));
    testing::PostClick(save, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return ReadBytes(target) == ExpectedList(); })) << ReadBytes(target);
    ASSERT_TRUE(MainWindow(program));  // enabled again once the save dialog has gone
  }

  TempFolder folder;
};

TEST_F(MainProgramTest, AUserTypesTheSettingsReadsTheListSavesItAndCloses) {
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

  const HWND window = MainWindow(program);
  ASSERT_TRUE(window);
  EXPECT_EQ(WindowText(window), "3 icons used in " + folder / "App" + " using " + folder / "redir.red");
  EXPECT_EQ(program.ListRows(::GetDlgItem(window, kList1), 2), (std::vector<std::vector<std::string>>{
                                                                   {folder / "Root\\images\\Logo.ico", "A"},
                                                                   {folder / "Root\\images\\Shared.ico", "B"},
                                                                   {"Gone.ico", "A"},
                                                               }));
  SaveList(program, window, folder / "icons.txt");
  testing::PostClick(window, kCloseButton);
  EXPECT_EQ(program.WaitForExit(), 0u);

  const std::string ini = folder / "Start\\glyphlog.ini";
  EXPECT_EQ(Setting(ini, "glyphlog", "Appfolder"), folder / "App");
  EXPECT_EQ(Setting(ini, "glyphlog", "RedirFile"), folder / "redir.red");
  EXPECT_EQ(Setting(ini, "glyphlog", "CWrootPath"), folder / "Root");
  EXPECT_EQ(Setting(ini, "WindowSettings", "H"), "250");
  EXPECT_EQ(Setting(ini, "WindowSettings", "W"), "500");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// A whole run over a tree like a real one: afterwards every file is as it
// was, bytes and time, except the settings file, where only the program's
// own keys may have changed, and the list the user chose to save.
TEST_F(MainProgramTest, ARunChangesNothingButItsOwnSettingsAndTheSavedList) {
  for (int i = 0; i < 20; ++i) {
    WriteBytes(folder / "App\\Module" + std::to_string(i) + ".lnk",
               "; generated\r\nLogo.ico\r\nsource" + std::to_string(i) + ".clw\r\n\x1A");
  }
  WriteBytes(folder / "Root\\bin\\tool.exe", std::string(4096, '\x90'));
  testing::MakeFolder(folder / "Saved");
  const std::string ini = folder / "Start\\glyphlog.ini";
  const std::string iniBefore =
      "; kept by hand\r\n[Other]\r\nkey=value\r\n[glyphlog]\r\nAppfolder=" + folder / "App" +
      "\r\nnote=mine\r\nRedirFile=" + folder / "redir.red" + "\r\nCWrootPath=" + folder / "Root" +
      "\r\n[WindowSettings]\r\nH=300\r\nW=600\r\n garbage line\r\n[Last]\r\nx=1";
  WriteBytes(ini, iniBefore);
  const auto before = testing::TreeSnapshot(folder.path());

  {
    OtherProgram program(ProgramPath(), folder / "Start");
    const HWND settings =
        program.WaitForWindow([](std::string_view caption) { return caption == "Glyph Finder"; });
    ASSERT_TRUE(settings);
    EXPECT_EQ(ControlText(::GetDlgItem(settings, FOLDERNAME)), folder / "App");
    testing::PostKey(program.Focus(settings), VK_RETURN);
    const HWND window = MainWindow(program);
    ASSERT_TRUE(window);
    SaveList(program, window, folder / "Saved\\list.txt");
    testing::PostClick(window, kCloseButton);
    EXPECT_EQ(program.WaitForExit(), 0u);
  }

  auto after = testing::TreeSnapshot(folder.path());
  EXPECT_EQ(after["Saved\\list.txt"].bytes, ExpectedList());
  after.erase("Saved\\list.txt");
  for (const auto& [name, snapshot] : before) {
    if (name == "Start\\glyphlog.ini") continue;
    EXPECT_TRUE(after.count(name) && after[name] == snapshot) << name << " changed";
  }
  EXPECT_EQ(after.size(), before.size());

  // Every line but the program's own keys is still there, in its order.
  const std::vector<std::string> now = Lines(ReadBytes(ini));
  auto next = now.begin();
  for (const std::string& line : Lines(iniBefore)) {
    if (line.starts_with("Appfolder=") || line.starts_with("RedirFile=") || line.starts_with("CWrootPath=") ||
        line.starts_with("H=") || line.starts_with("W=")) {
      continue;
    }
    next = std::find(next, now.end(), line);
    EXPECT_NE(next, now.end()) << "lost: " << line;
  }
  EXPECT_EQ(Setting(ini, "WindowSettings", "H"), "300");
  EXPECT_EQ(Setting(ini, "WindowSettings", "W"), "600");
}

}  // namespace
}  // namespace glyphlog
