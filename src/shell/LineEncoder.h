#pragma once
// How a text file writes one line: the record without its trailing blanks
// (blanks only; any other byte counts), then CR LF.

#include <string_view>

#include "shell/FixedText.h"

namespace glyphlog {

// `Bytes` is a byte buffer: std::string or std::vector<char>.
template <class Bytes>
void AppendLine(Bytes& out, std::string_view record) {
  const std::string_view line = WithoutTrailingBlanks(record);
  out.insert(out.end(), line.begin(), line.end());
  out.push_back('\r');
  out.push_back('\n');
}

}  // namespace glyphlog
