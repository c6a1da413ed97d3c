#include "redirection/MaskMatch.h"

#include <algorithm>
#include <cstddef>

#include "shell/FixedText.h"

namespace glyphlog {

bool MaskMatches(std::string_view mask, std::string_view name) {
  mask = WithoutTrailingBlanks(mask);
  name = WithoutTrailingBlanks(name);
  if (mask.empty()) return false;

  // Greedy scan that remembers only the latest "*": when a later literal
  // fails, that star swallows one more character and the scan resumes. Earlier
  // stars never need revisiting, so the cost stays within mask x name steps.
  constexpr std::size_t kNoStar = std::string_view::npos;
  std::size_t m = 0;
  std::size_t n = 0;
  std::size_t star = kNoStar;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      star = m++;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || UpperAscii(mask[m]) == UpperAscii(name[n]))) {
      ++m;
      ++n;
    } else if (star != kNoStar) {
      m = star + 1;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool MaskCanMatchEnding(std::string_view mask, std::string_view ending) {
  mask = WithoutTrailingBlanks(mask);
  if (mask.empty()) return false;
  // Whatever stands before the last "*" can be matched by some start of a
  // name, and the star by any run; so only what follows it has to agree
  // with the ending, character by character from the end.
  const std::size_t star = mask.rfind('*');
  const std::string_view tail = star == std::string_view::npos ? mask : mask.substr(star + 1);
  if (star == std::string_view::npos && tail.size() < ending.size()) return false;
  const std::size_t n = std::min(tail.size(), ending.size());
  for (std::size_t i = 1; i <= n; ++i) {
    const char m = tail[tail.size() - i];
    if (m != '?' && UpperAscii(m) != UpperAscii(ending[ending.size() - i])) return false;
  }
  return true;
}

}  // namespace glyphlog
