#include "redirection/RedirectionRules.h"

#include <algorithm>
#include <vector>

#include "redirection/MaskMatch.h"
#include "redirection/RuleSyntax.h"
#include "shell/ErrorState.h"
#include "shell/FileSystem.h"
#include "ui/BusyPointer.h"

namespace glyphlog {
namespace {

std::vector<Macro> MacrosOf(Table<MacroDefinition>& macros) {
  std::vector<Macro> result;
  const std::int32_t count = macros.RowCount();
  for (std::int32_t i = 1; i <= count; ++i) {
    macros.FetchAt(i);
    result.push_back(
        {std::string(macros.record.MACRO.Trimmed()), std::string(macros.record.REPLACEMENT.Trimmed())});
  }
  return result;
}

// The full path of `name`, as stored on disk, when it names an existing file
// or folder. Most names tried do not exist: one question settles those, and
// only a name that exists is spelt out part by part as stored.
std::optional<std::string> ExistingPath(const std::string& name) {
  const auto full = FullPath(name);
  if (!full || !PathExists(*full)) return std::nullopt;
  auto stored = FullPathAsStored(name);
  if (stored && PathExists(*stored)) return stored;
  return std::nullopt;
}

}  // namespace

RedirectionRules::RedirectionRules() : file_([this] { return std::string(fileName_); }) {}

void RedirectionRules::SetMacro(std::string_view name, std::string_view value) {
  MACROQ.record.MACRO = MacroToken(name);
  MACROQ.FetchByKey();
  const bool known = ErrorCode() == kNoError;
  MACROQ.record.REPLACEMENT = value;
  if (known) {
    MACROQ.StoreBack();
  } else {
    MACROQ.Append();
  }
}

void RedirectionRules::Load(std::string_view fileName, std::string_view section) {
  const BusyPointer busy;
  const std::string_view name = WithoutTrailingBlanks(fileName).substr(0, kMaxFileName);
  std::fill(std::begin(fileName_), std::end(fileName_), '\0');
  std::copy(name.begin(), name.end(), fileName_);

  file_.Close();
  file_.OpenToRead(kReadWriteDenyWrite);
  if (ErrorCode() != kNoError) return;
  ReadSection(section);
  file_.Close();
}

void RedirectionRules::ReadSection(std::string_view section) {
  file_.Rewind();
  // Any failure to read counts as the end of the file.
  const auto nextLine = [this] {
    file_.Next();
    return ErrorCode() == kNoError;
  };
  bool found = false;
  while (!found && nextLine()) found = IsSectionHeader(file_.record.View(), section);
  if (!found) return;

  const std::vector<Macro> macros = MacrosOf(MACROQ);
  while (nextLine() && !EndsSection(file_.record.View())) {
    if (file_.record.IsBlank()) continue;
    const auto rule = ParseRuleLine(ExpandMacros(file_.record.Trimmed(), macros));
    if (!rule) continue;
    REDIRQ.record.MASK = rule->mask;
    REDIRQ.record.PATH = CreateTable<SearchFolder>();
    REDIRQ.Append();
    for (const std::string& path : rule->paths) {
      REDIRQ.record.PATH->record.NAME = path;
      REDIRQ.record.PATH->Append();
    }
  }
}

std::string RedirectionRules::Located(std::string_view name, Resolution* how) {
  const auto report = [how](Resolution::Kind kind, std::string_view mask = {}, std::string_view folder = {}) {
    if (how) *how = {kind, std::string(mask), std::string(folder)};
  };
  const std::string written(WithoutTrailingBlanks(name));
  report(Resolution::Kind::NotFound);
  if (written.empty()) return written;
  if (auto found = ExistingPath(written)) {
    report(Resolution::Kind::AsWritten);
    return *found;
  }

  const std::int32_t ruleCount = REDIRQ.RowCount();
  for (std::int32_t i = 1; i <= ruleCount; ++i) {
    REDIRQ.FetchAt(i);
    if (!MaskMatches(REDIRQ.record.MASK.View(), written)) continue;
    Table<SearchFolder>& folders = *REDIRQ.record.PATH;
    const std::int32_t folderCount = folders.RowCount();
    for (std::int32_t j = 1; j <= folderCount; ++j) {
      folders.FetchAt(j);
      std::string candidate(folders.record.NAME.Trimmed());
      if (candidate.empty() || candidate.back() != '\\') candidate += '\\';
      candidate += written;
      if (auto found = ExistingPath(candidate)) {
        report(Resolution::Kind::ThroughRule, REDIRQ.record.MASK.Trimmed(), folders.record.NAME.Trimmed());
        return *found;
      }
    }
  }
  return written;
}

}  // namespace glyphlog
