#include "ui/IconListExport.h"

#include <optional>

#include "scan/IconListLines.h"
#include "shell/ErrorState.h"

namespace glyphlog {

void ExportIconList(ProgramState& state, Prompts& prompts) {
  state.LNK.Close();  // whatever the scan left open
  state.FQ.Clear();
  state.FQ.record = {};
  state.FQ.record.NAME = kDefaultIconListName;

  const auto chosen =
      prompts.ChooseFileToSave({"Select FileName", "Text Files", "*.txt", state.FQ.record.NAME.Str()});
  if (!chosen) return;
  state.FQ.record.NAME = *chosen;
  const std::string name = state.FQ.record.NAME.Str();

  state.LNK.Create();
  if (ErrorCode() != kNoError) return prompts.ShowMessage(FileErrorMessage("Error Creating ", name));
  state.LNK.Open(kReadWriteDenyWrite);
  if (ErrorCode() != kNoError) return prompts.ShowMessage(FileErrorMessage("Error Opening ", name));

  // A list cut short by a full disk must not pass for a saved one.
  std::optional<Message> writeFailure;
  WriteIconList(state.ICONQ, [&](std::string_view record) {
    state.LNK.record = record;
    state.LNK.Add();
    if (ErrorCode() != kNoError) writeFailure = FileErrorMessage("Error Writing ", name);
    return !writeFailure;
  });
  state.LNK.Close();
  if (!writeFailure && ErrorCode() != kNoError) writeFailure = FileErrorMessage("Error Writing ", name);
  if (writeFailure) prompts.ShowMessage(*writeFailure);
}

}  // namespace glyphlog
