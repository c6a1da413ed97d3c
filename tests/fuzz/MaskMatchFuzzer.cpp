// Mask matching against the plain table of which mask prefix can match which
// name prefix. libFuzzer's timeout and its slowest-unit figure watch that the
// matcher stays quick on masks full of "*".
//
// Input: one byte giving the mask's length, the mask, then the name.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "redirection/MaskMatch.h"
#include "shell/FixedText.h"

namespace glyphlog {
namespace {

bool MatchesByTable(std::string_view mask, std::string_view name) {
  mask = WithoutTrailingBlanks(mask);
  name = WithoutTrailingBlanks(name);
  if (mask.empty()) return false;
  // reached[j]: the mask taken so far matches the name's first j characters.
  std::vector<char> reached(name.size() + 1, false);
  std::vector<char> next(name.size() + 1);
  reached[0] = true;
  for (const char m : mask) {
    next[0] = m == '*' && reached[0];
    for (std::size_t j = 1; j <= name.size(); ++j) {
      next[j] = m == '*' ? reached[j] || next[j - 1]
                         : reached[j - 1] && (m == '?' || UpperAscii(m) == UpperAscii(name[j - 1]));
    }
    reached.swap(next);
  }
  return reached[name.size()];
}

}  // namespace
}  // namespace glyphlog

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string_view mask = rest.substr(0, data[0]);
  const std::string_view name = rest.substr(mask.size());
  glyphlog::fuzz::Require(glyphlog::MaskMatches(mask, name) == glyphlog::MatchesByTable(mask, name),
                          "a mask matches as \"*\", \"?\" and letters without case say");
  return 0;
}
