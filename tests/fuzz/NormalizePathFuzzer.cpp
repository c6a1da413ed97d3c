// The path normaliser against its rules carried out one step at a time, and
// the promises the redirection rules build on: never longer than 259, no
// doubled backslash but the opening pair of a network path, no "/", "?" or
// "*", a trailing separator when asked for and it fits, none ever taken away.
//
// Input: one byte whose lowest bit asks for the trailing separator, then the path.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "scan/NormalizePath.h"
#include "shell/FixedText.h"

namespace glyphlog {
namespace {

using fuzz::Require;

std::string NormalizedStepByStep(std::string_view path, bool addTrailingSeparator) {
  std::string text(WithoutTrailingBlanks(path).substr(0, kNormalizedPathWidth));
  std::replace(text.begin(), text.end(), '/', '\\');
  std::replace(text.begin(), text.end(), '?', '_');
  std::replace(text.begin(), text.end(), '*', '_');
  // The first doubled backslash from the second character on loses its second half, until none is left.
  for (auto at = text.find("\\\\", 1); at != std::string::npos; at = text.find("\\\\", 1))
    text.erase(at + 1, 1);
  const bool endsInSeparator = !text.empty() && text.back() == '\\';
  if (addTrailingSeparator && !endsInSeparator && text.size() < kNormalizedPathWidth) text += '\\';
  return text;
}

void CheckPromises(std::string_view path, bool addTrailingSeparator, const std::string& normalized) {
  Require(normalized.size() <= kNormalizedPathWidth, "at most 259 characters");
  Require(normalized.find("\\\\", 1) == std::string::npos, "no doubled backslash after the first character");
  Require(normalized.find_first_of("/?*") == std::string::npos, "no \"/\", \"?\" or \"*\"");
  const bool endsInSeparator = normalized.ends_with('\\');
  if (addTrailingSeparator) {
    Require(endsInSeparator || normalized.size() == kNormalizedPathWidth,
            "a separator at the end when asked");
  }
  const std::string_view used = WithoutTrailingBlanks(path).substr(0, kNormalizedPathWidth);
  if (used.ends_with('\\') || used.ends_with('/')) Require(endsInSeparator, "a trailing separator stays");
  const std::string_view settled = WithoutTrailingBlanks(normalized);
  Require(NormalizePath(settled, false) == settled, "a normalised path is left as it is");
}

}  // namespace
}  // namespace glyphlog

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const bool addTrailingSeparator = (data[0] & 1) != 0;
  const std::string_view path(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string normalized = glyphlog::NormalizePath(path, addTrailingSeparator);
  glyphlog::fuzz::Require(normalized == glyphlog::NormalizedStepByStep(path, addTrailingSeparator),
                          "the normaliser follows its steps");
  glyphlog::CheckPromises(path, addTrailingSeparator, normalized);
  return 0;
}
