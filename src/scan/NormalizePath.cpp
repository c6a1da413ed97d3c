#include "scan/NormalizePath.h"

#include "shell/FixedText.h"

namespace glyphlog {
namespace {

constexpr char NormalizedChar(char c) {
  switch (c) {
    case '/':
      return '\\';
    case '?':
    case '*':
      return '_';
    default:
      return c;
  }
}

}  // namespace

std::string NormalizePath(std::string_view path, bool addTrailingSeparator) {
  const std::string_view source = WithoutTrailingBlanks(path).substr(0, kNormalizedPathWidth);
  std::string out;
  out.reserve(kNormalizedPathWidth);
  for (const char raw : source) {
    const char c = NormalizedChar(raw);
    // A backslash right after another one is dropped, unless the one before is
    // the first character: "\\server" must keep its opening pair.
    if (c == '\\' && out.size() >= 2 && out.back() == '\\') continue;
    out.push_back(c);
  }
  const bool endsInSeparator = !out.empty() && out.back() == '\\';
  if (addTrailingSeparator && !endsInSeparator && out.size() < kNormalizedPathWidth) out.push_back('\\');
  return out;
}

}  // namespace glyphlog
