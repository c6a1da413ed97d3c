#include "scan/LinkScan.h"

#include <string>

#include "scan/IconLine.h"
#include "shell/ErrorState.h"

namespace glyphlog {
namespace {

constexpr std::uint8_t kOrdinaryFilesOnly = 0;

// The link file's name without its four-character extension.
std::string ProjectName(const FolderEntry& entry) {
  const std::string_view name = entry.NAME.Trimmed();
  return std::string(name.substr(0, name.size() - std::min<std::size_t>(4, name.size())));
}

// True when the use made a new row.
bool RecordUse(Table<IconUsage>& icons, const std::string& project) {
  icons.FetchByKey();
  if (ErrorCode() != kNoError) {
    icons.record.ICON_ICON = 0;
    icons.record.APPS = project;
    icons.Append();
    return true;
  }
  icons.record.APPS = std::string(icons.record.APPS.Trimmed()) + ", " + project;
  icons.StoreBack();
  return false;
}

void ScanOneFile(ProgramState& state, const std::string& project, IconResolutions* resolutions) {
  Resolution how;
  state.LNK.Rewind();
  for (;;) {
    state.LNK.Next();
    if (ErrorCode() != kNoError) return;  // end of data, or a read failure: this file is done
    const auto iconName = IconNameFromLine(state.LNK.record.View());
    if (!iconName) continue;
    state.Rules.Locate(*iconName, state.ICONQ.record.ICON, resolutions ? &how : nullptr);
    if (RecordUse(state.ICONQ, project) && resolutions) {
      resolutions->emplace(state.ICONQ.record.ICON.Str(), std::move(how));
    }
  }
}

}  // namespace

bool ScanLinkFiles(ProgramState& state, Prompts& prompts, IconResolutions* resolutions) {
  ListFolder(state.FQ, std::string(state.AppFolder.Trimmed()) + "\\*.lnk", kOrdinaryFilesOnly);
  const std::int32_t fileCount = state.FQ.RowCount();
  if (fileCount == 0) {
    prompts.ShowMessage({"No .LNK files", "", MessageIcon::None});
    return false;
  }
  for (std::int32_t i = 1; i <= fileCount; ++i) {
    state.FQ.FetchAt(i);
    state.LNK.Close();
    state.LNK.OpenToRead(kReadWriteDenyWrite);
    if (ErrorCode() != kNoError) {
      prompts.ShowMessage(FileErrorMessage("Error Opening ", state.FQ.record.NAME.Trimmed()));
      break;
    }
    ScanOneFile(state, ProjectName(state.FQ.record), resolutions);
  }
  state.LNK.Close();
  state.ICONQ.Sort();
  return true;
}

}  // namespace glyphlog
