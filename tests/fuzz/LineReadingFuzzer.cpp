// The line decoder, fed a file in chunks as the text-file service feeds it,
// must give exactly the records that the reading rule gives byte by byte.
//
// Input: one byte choosing the record width, one choosing the chunk size, then
// the file's bytes.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "FuzzCheck.h"
#include "reference/LineReading.h"

namespace {

// Small widths make full records, the skipped rest of a line and tab stops at
// the record's end common; now and then the program's own widths come up: 260
// for link files, 1000 for the redirection file.
std::size_t RecordWidth(std::uint8_t choice) {
  if (choice < 224) return 1 + choice % 32;
  return choice % 2 == 0 ? 260 : 1000;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const std::size_t width = RecordWidth(data[0]);
  const std::size_t chunk = 1 + data[1];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);

  const glyphlog::Records expected = glyphlog::ReadByteByByte(bytes, width);
  glyphlog::fuzz::Require(glyphlog::DecodeAllLines(bytes, width, chunk) == expected,
                          "records read through small buffers follow the byte rule");
  glyphlog::fuzz::Require(glyphlog::DecodeAllLines(bytes, width, bytes.size() + 1) == expected,
                          "records read from one whole buffer follow the byte rule");
  return 0;
}
