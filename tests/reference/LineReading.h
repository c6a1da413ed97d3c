#pragma once
// Two readings of a text file's bytes into fixed-width records, for tests and
// fuzz targets: the line decoder driven the way the text-file service drives
// it, and the reading rule taken one byte at a time, with nothing clever, as
// the plain reference the decoder must agree with.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace glyphlog {

using Records = std::vector<std::string>;

// Reads `bytes` as the file service does: the file comes into a buffer `chunk` bytes at a time, a line
// that crosses the buffer's end keeps its undecided bytes and gets the next chunk appended, and the data
// ends at the end of the bytes or at a line that begins with Ctrl-Z. Returns every record read.
Records DecodeAllLines(std::string_view bytes, std::size_t width, std::size_t chunk);

// The reading rule taken one byte at a time: what DecodeAllLines must give for any chunk size.
Records ReadByteByByte(std::string_view bytes, std::size_t width);

}  // namespace glyphlog
