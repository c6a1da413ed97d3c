#pragma once
// The syntax of one section of a redirection file, taken a line at a time:
// where the section starts and ends, how macro tokens are replaced, and how a
// body line splits into a file mask and its search folders. The loader reads
// the lines; these functions only look at the text it hands over.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace glyphlog {

// Widths of the texts that a loaded rule and macro keep.
inline constexpr std::size_t kRuleLineWidth = 1000;
inline constexpr std::size_t kMaskWidth = 100;
inline constexpr std::size_t kPathWidth = 256;
inline constexpr std::size_t kMacroTokenWidth = 20;

// One macro as the loader holds it: the token exactly as it must appear in a
// line, and the text that replaces it, both without trailing blanks.
struct Macro {
  std::string token;
  std::string replacement;
};

// One body line split up: the mask (leading blanks kept, trailing dropped)
// and its search folders in the order written.
struct RuleLine {
  std::string mask;
  std::vector<std::string> paths;
};

// True when `line` holds "[section]" anywhere, letter case ignored; trailing
// blanks of `section` are not part of the name.
bool IsSectionHeader(std::string_view line, std::string_view section);

// True when `line` holds "[" anywhere: such a line closes the section body.
bool EndsSection(std::string_view line);

// The token for a macro name: "%", the name upper-cased without trailing
// blanks, "%", cut at kMacroTokenWidth.
std::string MacroToken(std::string_view name);

// Replaces every occurrence of each macro's token, macros taken in order. Text
// just inserted is never searched again for the same macro; later macros do
// see it. The line never grows past kRuleLineWidth. A macro with an empty
// token replaces nothing.
std::string ExpandMacros(std::string_view line, const std::vector<Macro>& macros);

// Splits an expanded body line into a rule, or nullopt when the line holds no
// "=". The loader skips blank lines before expanding them.
std::optional<RuleLine> ParseRuleLine(std::string_view expandedLine);

}  // namespace glyphlog
