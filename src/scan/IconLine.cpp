#include "scan/IconLine.h"

#include <algorithm>

#include "shell/FixedText.h"

namespace glyphlog {
namespace {

constexpr std::string_view kIconMark = ".ICO";
constexpr std::string_view kProgramIconPrefix = "/PROGRAM_ICON";

bool HoldsIconMark(std::string_view line) {
  const auto equalIgnoringCase = [](char a, char b) { return UpperAscii(a) == UpperAscii(b); };
  return std::search(line.begin(), line.end(), kIconMark.begin(), kIconMark.end(), equalIgnoringCase) !=
         line.end();
}

}  // namespace

std::optional<std::string_view> IconNameFromLine(std::string_view line) {
  if (!HoldsIconMark(line)) return std::nullopt;
  if (!line.starts_with(kProgramIconPrefix)) return line;
  // The character after the prefix is a separator of any kind ("=", blank, ...).
  const std::size_t nameStart = kProgramIconPrefix.size() + 1;
  return line.size() > nameStart ? line.substr(nameStart) : std::string_view{};
}

}  // namespace glyphlog
