#include "redirection/RuleSyntax.h"

#include <string>

#include "shell/FixedText.h"

namespace glyphlog {
namespace {

constexpr std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{} : WithoutTrailingBlanks(text.substr(first));
}

// A stored path loses blanks on both sides and is cut at its field's width;
// cutting can bare new trailing blanks, which the field would not keep either.
std::string StoredPath(std::string_view segment) {
  return std::string(WithoutTrailingBlanks(TrimBlanks(segment).substr(0, kPathWidth)));
}

}  // namespace

bool IsSectionHeader(std::string_view line, std::string_view section) {
  const std::string header = "[" + UpperAscii(WithoutTrailingBlanks(section)) + "]";
  return UpperAscii(line).find(header) != std::string::npos;
}

bool EndsSection(std::string_view line) { return line.find('[') != std::string_view::npos; }

std::string MacroToken(std::string_view name) {
  std::string token = "%" + UpperAscii(WithoutTrailingBlanks(name)) + "%";
  token.resize(std::min(token.size(), kMacroTokenWidth));
  return token;
}

std::string ExpandMacros(std::string_view line, const std::vector<Macro>& macros) {
  std::string text(line.substr(0, kRuleLineWidth));
  for (const Macro& macro : macros) {
    // An empty token would be found everywhere and never move the search on.
    if (macro.token.empty()) continue;
    std::size_t from = 0;
    for (auto at = text.find(macro.token, from); at != std::string::npos; at = text.find(macro.token, from)) {
      text.replace(at, macro.token.size(), macro.replacement);
      if (text.size() > kRuleLineWidth) text.resize(kRuleLineWidth);
      from = at + macro.replacement.size();
    }
  }
  return text;
}

std::optional<RuleLine> ParseRuleLine(std::string_view expandedLine) {
  const auto equals = expandedLine.find('=');
  if (equals == std::string_view::npos) return std::nullopt;

  RuleLine rule;
  rule.mask = std::string(WithoutTrailingBlanks(expandedLine.substr(0, equals).substr(0, kMaskWidth)));

  std::string_view rest = expandedLine.substr(equals + 1);
  for (auto semicolon = rest.find(';'); semicolon != std::string_view::npos; semicolon = rest.find(';')) {
    rule.paths.push_back(StoredPath(rest.substr(0, semicolon)));
    rest.remove_prefix(semicolon + 1);
  }
  // What follows the last ";" is a path only when it holds something.
  if (!TrimBlanks(rest).empty()) rule.paths.push_back(StoredPath(rest));
  return rule;
}

}  // namespace glyphlog
