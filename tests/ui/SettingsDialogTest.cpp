// The settings dialog driven through its real window, as a user would.

#include <gtest/gtest.h>

#include "ui/SettingsDialog.h"
// after windows.h, which it builds on
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "ModalScript.h"
#include "shell/SettingsStore.h"
#include "support/TestFiles.h"
#include "ui/SettingsDialogLayout.h"

namespace glyphlog {
namespace {

using testing::Click;
using testing::CurrentFolderScope;
using testing::EnabledDialog;
using testing::ModalScript;
using testing::PressKey;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::Snapshot;
using testing::TempFolder;
using testing::TypeInto;
using testing::WindowText;
using testing::WriteBytes;

HWND SettingsDialog() { return EnabledDialog("Glyph Finder"); }
std::string EntryText(HWND dialog, int entry) { return WindowText(::GetDlgItem(dialog, entry)); }
bool HasFocus(HWND dialog, int control) { return ::GetFocus() == ::GetDlgItem(dialog, control); }

class SettingsDialogTest : public ::testing::Test {
 protected:
  std::string IniPath() const { return folder_ / "glyphlog.ini"; }
  void WriteIni(const std::string& app, const std::string& redir, const std::string& root) {
    WriteBytes(IniPath(), "[glyphlog]\r\nAppfolder=" + app + "\r\nRedirFile=" + redir +
                              "\r\nCWrootPath=" + root + "\r\n");
  }
  bool RunDialog() { return P3(state_, prompts_); }

  TempFolder folder_;
  CurrentFolderScope current_{folder_.path()};
  ProgramState state_;
  ScriptedPrompts prompts_;
};

TEST_F(SettingsDialogTest, WindowShowsItsControlsInTabOrderWithTheirTipsAndLimits) {
  struct Expected {
    const char* className;
    int id;
    const char* text;
    RECT place;  // dialog units: x, y, width, height
  };
  const Expected controls[] = {
      {"Static", APPFOLDERPROMPT, "Application Folder:", {3, 3, 63, 10}},
      {"Edit", FOLDERNAME, "", {67, 3, 339, 10}},
      {"Button", APPFOLDERLOOKUPBUTTON, "...", {409, 3, 10, 10}},
      {"Static", REDIRFILEPROMPT, "Redirection File:", {3, 16, 63, 10}},
      {"Edit", REDIRFILE, "", {67, 16, 339, 10}},
      {"Button", REDIRLOOKUPBUTTON, "...", {409, 16, 10, 10}},
      {"Static", CWROOTPROMPT, "CW Root Folder:", {3, 29, 63, 10}},
      {"Edit", CWROOTPATH, "", {67, 29, 339, 10}},
      {"Button", CWFOLDERLOOKUPBUTTON, "...", {409, 29, 10, 10}},
      {"Button", IDOK, "&OK", {335, 42, 40, 12}},
      {"Button", IDCANCEL, "&Cancel", {378, 42, 40, 12}},
  };
  ModalScript script;
  script.Then(SettingsDialog, [&](HWND dialog) {
    const LONG style = ::GetWindowLongA(dialog, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & (WS_MAXIMIZEBOX | WS_THICKFRAME));
    RECT client{0, 0, 421, 56};
    ::MapDialogRect(dialog, &client);
    RECT actual{};
    ::GetClientRect(dialog, &actual);
    EXPECT_EQ(actual.right, client.right);
    EXPECT_EQ(actual.bottom, client.bottom);
    EXPECT_TRUE(HasFocus(dialog, FOLDERNAME));

    HWND child = ::GetWindow(dialog, GW_CHILD);
    for (const Expected& expected : controls) {
      ASSERT_NE(child, nullptr) << expected.text;
      char className[32] = "";
      ::GetClassNameA(child, className, sizeof className);
      EXPECT_STRCASEEQ(className, expected.className);
      EXPECT_EQ(::GetDlgCtrlID(child), expected.id);
      EXPECT_EQ(WindowText(child), expected.text);
      RECT want = expected.place;  // converted field by field, as the dialog manager does
      ::MapDialogRect(dialog, &want);
      RECT got{};
      ::GetWindowRect(child, &got);
      ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&got), 2);
      EXPECT_EQ(got.left, want.left) << expected.text;
      EXPECT_EQ(got.top, want.top) << expected.text;
      EXPECT_EQ(got.right - got.left, want.right) << expected.text;
      EXPECT_EQ(got.bottom - got.top, want.bottom) << expected.text;
      child = ::GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr) << "more controls than described";
    EXPECT_TRUE(::GetWindowLongA(::GetDlgItem(dialog, IDOK), GWL_STYLE) & BS_DEFPUSHBUTTON);

    TypeInto(dialog, REDIRFILE, std::string(300, 'r'));
    EXPECT_EQ(EntryText(dialog, REDIRFILE), std::string(255, 'r'));

    HWND tooltip = nullptr;
    do {
      tooltip = ::FindWindowExA(nullptr, tooltip, TOOLTIPS_CLASSA, nullptr);
    } while (tooltip && ::GetWindow(tooltip, GW_OWNER) != dialog);
    ASSERT_NE(tooltip, nullptr);
    char tip[128] = "";
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(::GetDlgItem(dialog, REDIRFILE));
    tool.lpszText = tip;
    ::SendMessageA(tooltip, TTM_GETTEXTA, sizeof tip, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(tip, "Your CW Redir file, so the icons can be located.");
    Click(dialog, IDCANCEL);
  });
  EXPECT_FALSE(RunDialog());
}

TEST_F(SettingsDialogTest, BlankApplicationFolderKeepsTheDialogOpenAndSavesNothing) {
  for (const char* blank : {"", "   "}) {
    ModalScript script;
    script.Then(SettingsDialog, [&](HWND dialog) {
      TypeInto(dialog, FOLDERNAME, blank);
      TypeInto(dialog, CWROOTPATH, "C:\\CW");
      Click(dialog, IDOK);
    });
    script.Then(SettingsDialog, [&](HWND dialog) {
      EXPECT_TRUE(HasFocus(dialog, FOLDERNAME)) << '"' << blank << '"';
      EXPECT_EQ(ReadBytes(IniPath()), "<missing>");
      Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(RunDialog());
  }
  EXPECT_EQ(ReadBytes(IniPath()), "<missing>");
}

TEST_F(SettingsDialogTest, TypedValuesCountWithoutLeavingTheEntryAndAreSavedTrimmed) {
  for (const bool byEnter : {true, false}) {
    ModalScript script;
    script.Then(SettingsDialog, [&](HWND dialog) {
      TypeInto(dialog, REDIRFILE, "   ");
      TypeInto(dialog, FOLDERNAME, "C:\\Apps\\One  ");
      byEnter ? PressKey(VK_RETURN) : Click(dialog, IDOK);
    });
    ASSERT_TRUE(RunDialog()) << byEnter;
    EXPECT_EQ(state_.AppFolder, "C:\\Apps\\One");
    EXPECT_TRUE(state_.RedirFileName.IsBlank());
    EXPECT_EQ(ReadBytes(IniPath()), "[glyphlog]\r\nAppfolder=C:\\Apps\\One\r\nRedirFile=\r\nCWrootPath=\r\n");
  }
}

TEST_F(SettingsDialogTest, LoadsTheSavedSettingsCutTo260) {
  const std::string longFolder = "C:\\" + std::string(297, 'x');
  WriteIni(longFolder, "D:\\cw\\cw.red", "D:\\cw");
  ModalScript script;
  script.Then(SettingsDialog, [&](HWND dialog) {
    EXPECT_EQ(EntryText(dialog, FOLDERNAME), longFolder.substr(0, 260));
    EXPECT_EQ(EntryText(dialog, REDIRFILE), "D:\\cw\\cw.red");
    EXPECT_EQ(EntryText(dialog, CWROOTPATH), "D:\\cw");
    Click(dialog, IDOK);
  });
  ASSERT_TRUE(RunDialog());
  EXPECT_EQ(state_.AppFolder, longFolder.substr(0, 260));
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), longFolder.substr(0, 260));
  EXPECT_EQ(state_.CWRootFolder, "D:\\cw");
}

TEST_F(SettingsDialogTest, EveryWayOfClosingButOkSavesNothingEvenAfterABrowse) {
  const std::function<void(HWND)> closers[] = {
      [](HWND dialog) { Click(dialog, IDCANCEL); },
      [](HWND) { PressKey(VK_ESCAPE); },
      [](HWND dialog) { ::PostMessageA(dialog, WM_CLOSE, 0, 0); },
  };
  WriteIni("C:\\Before", "", "");
  const auto before = Snapshot(IniPath());
  prompts_.folderAnswer = "C:\\Chosen";
  for (const auto& close : closers) {
    ModalScript script;
    script.Then(SettingsDialog, [&](HWND dialog) {
      Click(dialog, APPFOLDERLOOKUPBUTTON);
      EXPECT_EQ(EntryText(dialog, FOLDERNAME), "C:\\Chosen");
      close(dialog);
    });
    EXPECT_FALSE(RunDialog());
    EXPECT_TRUE(Snapshot(IniPath()) == before);
  }
}

TEST_F(SettingsDialogTest, BrowseStartsFromTheTypedTextAndItsResultTakesTheFocusAndIsSaved) {
  const std::string tooLong = "C:\\" + std::string(300, 'y');
  const struct {
    int button, entry;
    std::optional<std::string> answer;
    std::string shown;  // in the entry afterwards
  } cases[] = {
      {CWFOLDERLOOKUPBUTTON, CWROOTPATH, std::nullopt, "typed"},
      {REDIRLOOKUPBUTTON, REDIRFILE, std::nullopt, "typed"},
      {APPFOLDERLOOKUPBUTTON, FOLDERNAME, "C:\\Picked", "C:\\Picked"},
      {REDIRLOOKUPBUTTON, REDIRFILE, "C:\\cw\\my.red", "C:\\cw\\my.red"},
      {CWFOLDERLOOKUPBUTTON, CWROOTPATH, tooLong, tooLong.substr(0, 260)},
  };
  ModalScript script;
  script.Then(SettingsDialog, [&](HWND dialog) {
    for (const auto& c : cases) {
      prompts_ = ScriptedPrompts();
      prompts_.folderAnswer = prompts_.fileAnswer = c.answer;
      TypeInto(dialog, c.entry, "typed");
      Click(dialog, c.button);
      EXPECT_EQ(EntryText(dialog, c.entry), c.shown);
      // A cancelled browse leaves the focus on the button that started it.
      EXPECT_TRUE(HasFocus(dialog, c.answer ? c.entry : c.button)) << c.button;
      if (c.button == REDIRLOOKUPBUTTON) {
        ASSERT_EQ(prompts_.fileRequests.size(), 1u);
        const FileRequest& asked = prompts_.fileRequests[0];
        EXPECT_EQ(asked.title, "Select Redirection File");
        EXPECT_EQ(asked.filterLabel, "Redirection Files");
        EXPECT_EQ(asked.filterPattern, "*.red");
        EXPECT_EQ(asked.initial, "typed");
      } else {
        ASSERT_EQ(prompts_.folderRequests.size(), 1u);
        EXPECT_EQ(prompts_.folderRequests[0].instruction,
                  c.button == APPFOLDERLOOKUPBUTTON ? "Select App Folder" : "Select CW Root Folder");
        EXPECT_EQ(prompts_.folderRequests[0].startFolder, "typed");
      }
    }
    Click(dialog, IDOK);
  });
  ASSERT_TRUE(RunDialog());
  EXPECT_EQ(ReadSetting("glyphlog", "Appfolder", ""), "C:\\Picked");
  EXPECT_EQ(ReadSetting("glyphlog", "RedirFile", ""), "C:\\cw\\my.red");
  EXPECT_EQ(ReadSetting("glyphlog", "CWrootPath", ""), tooLong.substr(0, 260));
}

}  // namespace
}  // namespace glyphlog
