#pragma once
// A user who confirms the given settings at once and looks at the list once,
// for tests that run the whole main procedure without windows.

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "shell/FileSystem.h"
#include "shell/MainProcedure.h"
#include "support/TestFiles.h"

namespace glyphlog::testing {

struct Row {
  std::string icon;
  std::string apps;
  bool operator==(const Row&) const = default;
};
inline void PrintTo(const Row& row, std::ostream* out) {
  *out << "{" << row.icon << " | " << row.apps << "}";
}

class ScriptedUser : public UserInterface {
 public:
  std::string appFolder, redirFile, rootFolder;
  bool listShown = false;
  std::string folderWhileShown;
  std::vector<Row> rows;

  bool AskForSettings(ProgramState& state) override {
    state.AppFolder = appFolder;
    state.RedirFileName = redirFile;
    state.CWRootFolder = rootFolder;
    return true;
  }
  void ShowIconList(ProgramState& state) override {
    listShown = true;
    folderWhileShown = CurrentFolder();
    for (std::int32_t i = 1; i <= state.ICONQ.RowCount(); ++i) {
      state.ICONQ.FetchAt(i);
      EXPECT_EQ(state.ICONQ.record.ICON_ICON, 0);
      rows.push_back({state.ICONQ.record.ICON.Str(), state.ICONQ.record.APPS.Str()});
    }
  }
  Prompts& prompts() override { return user; }

  ScriptedPrompts user;
};

}  // namespace glyphlog::testing
