#include "shell/ProgramSettings.h"

#include "shell/SettingsStore.h"

namespace glyphlog {
namespace {

constexpr std::string_view kSection = "glyphlog";

}  // namespace

void LoadSettings(ProgramState& state) {
  state.AppFolder = ReadSetting(kSection, "Appfolder", "");
  state.RedirFileName = ReadSetting(kSection, "RedirFile", "");
  state.CWRootFolder = ReadSetting(kSection, "CWrootPath", "");
}

void SaveSettings(const ProgramState& state) {
  WriteSetting(kSection, "Appfolder", state.AppFolder.Trimmed());
  WriteSetting(kSection, "RedirFile", state.RedirFileName.Trimmed());
  WriteSetting(kSection, "CWrootPath", state.CWRootFolder.Trimmed());
}

}  // namespace glyphlog
