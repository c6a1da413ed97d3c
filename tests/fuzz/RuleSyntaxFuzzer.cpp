// A redirection section read as the loader reads it: the header found, the
// body cut off at its end, every body line expanded and split into a rule.
// Expansion and splitting are held to plain step-by-step references, and
// every rule to the widths of the fields that keep it.
//
// Input, in lines split at LF: the section name; macro definitions NAME=VALUE
// up to the first empty line; then the lines of the redirection file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "redirection/RuleSyntax.h"
#include "shell/FixedText.h"

namespace glyphlog {
namespace {

using fuzz::Require;

// The width of the field that keeps a macro's replacement.
constexpr std::size_t kReplacementWidth = 260;

std::vector<std::string_view> SplitAtLF(std::string_view text) {
  std::vector<std::string_view> lines;
  for (auto end = text.find('\n'); end != std::string_view::npos; end = text.find('\n')) {
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  lines.push_back(text);
  return lines;
}

// The macros as the rule object keeps them: one row per token, a later value
// replacing an earlier one, token and value in their fixed-width fields.
std::vector<Macro> ReadMacros(std::span<const std::string_view> definitions) {
  std::vector<Macro> macros;
  for (const std::string_view definition : definitions) {
    const auto equals = definition.find('=');
    const std::string token = FixedText<kMacroTokenWidth>(MacroToken(definition.substr(0, equals))).Str();
    const std::string value = equals == std::string_view::npos
                                  ? ""
                                  : FixedText<kReplacementWidth>(definition.substr(equals + 1)).Str();
    const auto known =
        std::find_if(macros.begin(), macros.end(), [&](const Macro& m) { return m.token == token; });
    if (known != macros.end()) {
      known->replacement = value;
    } else {
      macros.push_back({token, value});
    }
  }
  return macros;
}

// "[", the section name, "]" standing anywhere in the line, letters compared without case.
bool HoldsHeader(std::string_view line, std::string_view section) {
  section = WithoutTrailingBlanks(section);
  for (std::size_t at = 0; at + section.size() + 2 <= line.size(); ++at) {
    if (line[at] != '[' || line[at + section.size() + 1] != ']') continue;
    if (std::equal(section.begin(), section.end(), line.begin() + static_cast<std::ptrdiff_t>(at) + 1,
                   [](char a, char b) { return UpperAscii(a) == UpperAscii(b); })) {
      return true;
    }
  }
  return false;
}

// Each macro in turn: the part already expanded grows at the front and is never
// searched again; what follows is cut so the whole line stays within its width.
std::string ExpandedStepByStep(std::string_view line, const std::vector<Macro>& macros) {
  std::string text(line.substr(0, kRuleLineWidth));
  for (const Macro& macro : macros) {
    if (macro.token.empty()) continue;
    std::string expanded;
    std::string pending = text;
    for (auto at = pending.find(macro.token); at != std::string::npos; at = pending.find(macro.token)) {
      expanded += pending.substr(0, at) + macro.replacement;
      pending.erase(0, at + macro.token.size());
      if (expanded.size() >= kRuleLineWidth) {
        expanded.resize(kRuleLineWidth);
        pending.clear();
      }
      pending.resize(std::min(pending.size(), kRuleLineWidth - expanded.size()));
    }
    text = expanded + pending;
  }
  return text;
}

void DropTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

std::string StoredPath(std::string segment) {
  segment.erase(0, std::min(segment.find_first_not_of(' '), segment.size()));
  DropTrailingBlanks(segment);
  if (segment.size() > kPathWidth) segment.resize(kPathWidth);
  DropTrailingBlanks(segment);
  return segment;
}

// The split taken one character at a time.
std::optional<RuleLine> SplitCharByChar(std::string_view line) {
  const auto equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  RuleLine rule{std::string(line.substr(0, std::min(equals, kMaskWidth))), {}};
  DropTrailingBlanks(rule.mask);
  std::string segment;
  for (const char c : line.substr(equals + 1)) {
    if (c == ';') {
      rule.paths.push_back(StoredPath(segment));
      segment.clear();
    } else {
      segment += c;
    }
  }
  if (segment.find_first_not_of(' ') != std::string::npos) rule.paths.push_back(StoredPath(segment));
  return rule;
}

bool FitsItsField(std::string_view text, std::size_t width) {
  return text.size() <= width && WithoutTrailingBlanks(text).size() == text.size();
}

void CheckRule(const RuleLine& rule) {
  Require(FitsItsField(rule.mask, kMaskWidth), "a mask fits its field, without trailing blanks");
  for (const std::string& path : rule.paths) {
    Require(FitsItsField(path, kPathWidth), "a path fits its field, without trailing blanks");
    Require(!path.starts_with(' '), "a path has no leading blanks");
    Require(path.find(';') == std::string::npos, "a path holds no \";\"");
  }
}

}  // namespace
}  // namespace glyphlog

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace glyphlog;
  const std::vector<std::string_view> lines = SplitAtLF({reinterpret_cast<const char*>(data), size});
  const std::string_view section = lines.front();
  const auto macrosEnd = std::find(lines.begin() + 1, lines.end(), std::string_view{});
  const std::vector<Macro> macros = ReadMacros({lines.begin() + 1, macrosEnd});

  auto line = macrosEnd == lines.end() ? lines.end() : macrosEnd + 1;
  for (; line != lines.end(); ++line) {
    const bool header = IsSectionHeader(*line, section);
    Require(header == HoldsHeader(*line, section), "a header is \"[section]\" anywhere, in any case");
    if (header) break;
  }
  if (line == lines.end()) return 0;

  for (++line; line != lines.end() && !EndsSection(*line); ++line) {
    const std::string_view text = WithoutTrailingBlanks(*line);
    if (text.empty()) continue;
    const std::string expanded = ExpandMacros(text, macros);
    Require(expanded.size() <= kRuleLineWidth, "an expanded line stays within its width");
    Require(expanded == ExpandedStepByStep(text, macros),
            "expansion replaces each token once, left to right");
    const auto rule = ParseRuleLine(expanded);
    const auto expected = SplitCharByChar(expanded);
    Require(rule.has_value() == expected.has_value(), "a line is a rule exactly when it holds \"=\"");
    if (!rule) continue;
    Require(rule->mask == expected->mask && rule->paths == expected->paths,
            "a rule is its mask and its \";\"-separated paths");
    CheckRule(*rule);
  }
  return 0;
}
