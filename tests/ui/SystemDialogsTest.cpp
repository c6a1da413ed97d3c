// The real folder chooser and open-file dialog, answered through their windows.

#include <windows.h>
// after windows.h, which they build on
#include <dlgs.h>
#include <gtest/gtest.h>
#include <objbase.h>

#include "ModalScript.h"
#include "shell/FileSystem.h"
#include "support/TestFiles.h"
#include "ui/SystemPrompts.h"

namespace glyphlog {
namespace {

using testing::ChildWithText;
using testing::CurrentFolderScope;
using testing::EnabledDialog;
using testing::MakeFolder;
using testing::ModalScript;
using testing::TempFolder;
using testing::WindowText;
using testing::WriteBytes;

HWND AnyDialog() { return EnabledDialog(); }
void Press(HWND dialog, int button) { ::PostMessageA(dialog, WM_COMMAND, button, 0); }

class SystemDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { com_ = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
  void TearDown() override {
    if (SUCCEEDED(com_)) ::CoUninitialize();
  }

  HRESULT com_ = E_FAIL;
  TempFolder folder_;
  CurrentFolderScope current_{folder_.path()};
  SystemPrompts prompts_;
};

TEST_F(SystemDialogsTest, FolderChooserShowsItsInstructionAndStartsAtTheGivenFolderOrTheCurrentOne) {
  MakeFolder(folder_ / "Apps");
  const struct {
    std::string start, chosen;
  } cases[] = {
      {folder_ / "Apps", folder_ / "Apps"},
      {folder_ / "Apps   ", folder_ / "Apps"},
      {"", folder_.path()},
      {folder_ / "Missing", folder_.path()},
  };
  for (const auto& c : cases) {
    ModalScript script;
    // The status line shows the selection once the chooser has made it.
    const auto selected = [&] {
      const HWND chooser = AnyDialog();
      return chooser && ChildWithText(chooser, c.chosen) ? chooser : nullptr;
    };
    script.Then(selected, [](HWND chooser) {
      EXPECT_NE(ChildWithText(chooser, "Select App Folder"), nullptr);
      Press(chooser, IDOK);
    });
    EXPECT_EQ(prompts_.ChooseFolder({"Select App Folder", c.start}), c.chosen) << c.start;
    EXPECT_EQ(CurrentFolder(), folder_.path());
  }
}

TEST_F(SystemDialogsTest, CancelledChooserGivesNothingAndKeepsTheCurrentFolder) {
  MakeFolder(folder_ / "Root");
  ModalScript script;
  script.Then(AnyDialog, [](HWND chooser) { Press(chooser, IDCANCEL); });
  EXPECT_EQ(prompts_.ChooseFolder({"Select CW Root Folder", folder_ / "Root"}), std::nullopt);
  EXPECT_EQ(CurrentFolder(), folder_.path());
}

TEST_F(SystemDialogsTest, OpenDialogOffersTheGivenFileInItsFolder) {
  WriteBytes(folder_ / "cw\\main.red", "[Common]\r\n");
  WriteBytes(folder_ / "here.red", "[Common]\r\n");
  const struct {
    std::string initial, chosen;
  } cases[] = {
      {folder_ / "cw\\main.red", folder_ / "cw\\main.red"},
      {"here.red  ", folder_ / "here.red"},
  };
  for (const auto& c : cases) {
    ModalScript script;
    script.Then(AnyDialog, [](HWND dialog) {
      EXPECT_EQ(WindowText(dialog), "Select Redirection File");
      EXPECT_EQ(WindowText(::GetDlgItem(dialog, cmb1)), "Redirection Files");
      Press(dialog, IDOK);
    });
    EXPECT_EQ(prompts_.ChooseFileToOpen({"Select Redirection File", "Redirection Files", "*.red", c.initial}),
              c.chosen);
    EXPECT_EQ(CurrentFolder(), folder_.path());
  }
}

TEST_F(SystemDialogsTest, OpenDialogStartsEmptyInAFolderOrForAMalformedNameAndCancels) {
  MakeFolder(folder_ / "cw");
  for (const std::string& initial : {folder_ / "cw", folder_ / "nowhere\\", std::string("bad|name?.red")}) {
    ModalScript script;
    script.Then(AnyDialog, [&](HWND dialog) {
      EXPECT_EQ(WindowText(::GetDlgItem(dialog, cmb13)), "") << initial;
      Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(prompts_.ChooseFileToOpen({"Select Redirection File", "Redirection Files", "*.red", initial}),
              std::nullopt);
    EXPECT_EQ(CurrentFolder(), folder_.path());
  }
}

}  // namespace
}  // namespace glyphlog
