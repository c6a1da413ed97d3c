// Icon-line recognition on the input taken as one line, and on every record
// that reading it as a link file gives. A line is an icon line exactly when it
// holds ".ICO" in any case; the name is the line itself, or the rest after
// "/PROGRAM_ICON" and one more character, and always a view into the line.
//
// Input: the bytes of a link file.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "reference/LineReading.h"
#include "scan/IconLine.h"
#include "shell/FixedText.h"

namespace glyphlog {
namespace {

using fuzz::Require;

// The width of the record a link file is read into.
constexpr std::size_t kLinkLineWidth = 260;

bool HoldsIconMark(std::string_view line) {
  constexpr std::string_view kMark = ".ICO";
  for (std::size_t at = 0; at + kMark.size() <= line.size(); ++at) {
    std::size_t same = 0;
    while (same < kMark.size() && UpperAscii(line[at + same]) == kMark[same]) ++same;
    if (same == kMark.size()) return true;
  }
  return false;
}

void CheckLine(std::string_view line) {
  const auto name = IconNameFromLine(line);
  Require(name.has_value() == HoldsIconMark(line), "an icon line is one that holds \".ICO\" in any case");
  if (!name) return;
  const std::size_t nameStart = line.starts_with("/PROGRAM_ICON") ? 14 : 0;
  Require(name->size() + nameStart == line.size(),
          "the name is the line, or what follows the prefix and one more");
  Require(name->data() == line.data() + nameStart, "the name views into the line");
}

}  // namespace
}  // namespace glyphlog

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  glyphlog::CheckLine(bytes);
  for (const std::string& record : glyphlog::ReadByteByByte(bytes, glyphlog::kLinkLineWidth)) {
    glyphlog::CheckLine(record);
  }
  return 0;
}
