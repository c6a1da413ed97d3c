#include "reference/LineReading.h"

#include <algorithm>

#include "shell/LineDecoder.h"

namespace glyphlog {

Records DecodeAllLines(std::string_view bytes, std::size_t width, std::size_t chunk) {
  std::string record(width, '#');
  LineDecoder decoder(record);
  Records records;
  std::size_t offset = 0;
  std::size_t bufferEnd = 0;
  while (offset < bytes.size()) {
    decoder.Start();
    if (offset == bufferEnd) bufferEnd = std::min(offset + chunk, bytes.size());
    if (bytes[offset] == kCtrlZ) break;
    for (;;) {
      const auto progress = decoder.Feed(bytes.substr(offset, bufferEnd - offset), bufferEnd == bytes.size());
      offset += progress.consumed;
      if (progress.complete) break;
      bufferEnd = std::min(bufferEnd + chunk, bytes.size());
    }
    records.push_back(record);
  }
  return records;
}

Records ReadByteByByte(std::string_view bytes, std::size_t width) {
  Records records;
  std::size_t at = 0;
  while (at < bytes.size() && bytes[at] != kCtrlZ) {
    std::string record;
    bool full = false;
    for (;;) {
      if (record.size() == width) {
        full = true;
        break;
      }
      if (at == bytes.size() || bytes[at] == kCtrlZ) break;
      if (bytes.substr(at, 2) == "\r\n") {
        at += 2;
        break;
      }
      if (bytes[at] == '\t') {
        do record += ' ';
        while (record.size() % 8 != 0 && record.size() < width);
      } else {
        record += bytes[at];
      }
      ++at;
    }
    while (full && at < bytes.size() && bytes[at] != kCtrlZ) {
      if (bytes.substr(at, 2) == "\r\n") {
        at += 2;
        break;
      }
      ++at;
    }
    record.resize(width, ' ');
    records.push_back(record);
  }
  return records;
}

}  // namespace glyphlog
