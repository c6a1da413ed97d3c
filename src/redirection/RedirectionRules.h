#pragma once
// The rules of one section of a redirection file (a file mask and the folders
// where files matching it are found) with macros expanded as lines are read,
// and the lookup that finds the file a name refers to.

#include <cstddef>
#include <string>
#include <string_view>

#include "redirection/Resolution.h"
#include "shell/FixedText.h"
#include "shell/Table.h"
#include "shell/TextFile.h"

namespace glyphlog {

struct MacroDefinition {
  FixedText<20> MACRO;         // the token as written in a line: "%NAME%"
  FixedText<260> REPLACEMENT;  // the text that replaces it
  std::string_view Key() const { return MACRO.View(); }
};

struct SearchFolder {
  FixedText<256> NAME;  // one search folder, macros already expanded
  std::string_view Key() const { return NAME.View(); }
};

struct Rule {
  FixedText<100> MASK;
  TableRef<SearchFolder> PATH;  // the rule's own search folders, owned with the row
  std::string_view Key() const { return MASK.View(); }
};

class RedirectionRules {
 public:
  RedirectionRules();
  RedirectionRules(const RedirectionRules&) = delete;
  RedirectionRules& operator=(const RedirectionRules&) = delete;

  // Sets the macro "%NAME%" (name upper-cased) to `value`, replacing an earlier value.
  void SetMacro(std::string_view name, std::string_view value);

  // Appends the rules of `section` of `fileName`, expanding the macros set so
  // far. A file that cannot be read or lacks the section adds nothing; nothing
  // is reported to the user.
  void Load(std::string_view fileName, std::string_view section);

  // Sets `result` to the full path of the file `name` refers to: as written,
  // else through the first matching rule's folder that holds it; else to the
  // name itself without its trailing blanks. `how`, when given, receives the
  // way the file was found.
  template <std::size_t Width>
  void Locate(std::string_view name, FixedText<Width>& result, Resolution* how = nullptr) {
    result = Located(name, how);
  }

  Table<MacroDefinition> MACROQ;
  Table<Rule> REDIRQ;

 private:
  std::string Located(std::string_view name, Resolution* how);
  void ReadSection(std::string_view section);

  static constexpr std::size_t kMaxFileName = 516;
  char fileName_[kMaxFileName + 1] = {};
  TextFile<1000> file_;  // the redirection file; its record is R:S
};

}  // namespace glyphlog
