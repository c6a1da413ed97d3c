#include "shell/LineDecoder.h"

#include <algorithm>
#include <cstring>

namespace glyphlog {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';
constexpr char kTab = '\t';
constexpr std::size_t kTabStop = 8;

// Bytes that end a plain run of text: everything else is stored as it is.
constexpr bool IsSpecial(char c) { return c == kCR || c == kTab || c == kCtrlZ; }

}  // namespace

LineDecoder::LineDecoder(std::span<char> record) : record_(record) { Start(); }

void LineDecoder::Start() {
  std::fill(record_.begin(), record_.end(), ' ');
  stored_ = 0;
  phase_ = Phase::kCopying;
}

LineDecoder::Progress LineDecoder::Feed(std::span<const char> bytes, bool endOfFile) {
  switch (phase_) {
    case Phase::kCopying:
      return Copy(bytes, endOfFile);
    case Phase::kSkipping:
      return Skip(bytes, 0, endOfFile);
    case Phase::kDone:
      break;
  }
  return {0, true};
}

LineDecoder::Progress LineDecoder::Finish(std::size_t consumed) {
  phase_ = Phase::kDone;
  return {consumed, true};
}

LineDecoder::Progress LineDecoder::Copy(std::span<const char> bytes, bool endOfFile) {
  const std::size_t size = bytes.size();
  std::size_t at = 0;
  while (stored_ < record_.size()) {
    // Plain text goes into the record in one piece, up to the next byte that needs a decision.
    const std::size_t room = std::min(record_.size() - stored_, size - at);
    const auto runBegin = bytes.begin() + static_cast<std::ptrdiff_t>(at);
    const auto runEnd = std::find_if(runBegin, runBegin + static_cast<std::ptrdiff_t>(room), IsSpecial);
    const auto run = static_cast<std::size_t>(runEnd - runBegin);
    std::copy(runBegin, runEnd, record_.begin() + static_cast<std::ptrdiff_t>(stored_));
    stored_ += run;
    at += run;
    if (stored_ == record_.size()) break;
    if (at == size) return endOfFile ? Finish(at) : Progress{at, false};

    switch (bytes[at]) {
      case kCtrlZ:
        return Finish(at);
      case kTab:
        stored_ += std::min(kTabStop - stored_ % kTabStop, record_.size() - stored_);
        ++at;
        break;
      default:  // CR: the line's end only when LF follows; a lone CR is text.
        if (at + 1 == size) {
          if (!endOfFile) return {at, false};
        } else if (bytes[at + 1] == kLF) {
          return Finish(at + 2);
        }
        record_[stored_++] = kCR;
        ++at;
        break;
    }
  }
  phase_ = Phase::kSkipping;
  return Skip(bytes, at, endOfFile);
}

// The record is full: the rest of the physical line is passed over, through its CR LF.
LineDecoder::Progress LineDecoder::Skip(std::span<const char> bytes, std::size_t from, bool endOfFile) {
  const char* const begin = bytes.data();
  const char* const end = begin + bytes.size();
  const char* at = begin + from;
  while (at != end) {
    const auto* cr = static_cast<const char*>(std::memchr(at, kCR, static_cast<std::size_t>(end - at)));
    const char* segmentEnd = cr ? cr : end;
    if (const auto* stop = std::memchr(at, kCtrlZ, static_cast<std::size_t>(segmentEnd - at))) {
      return Finish(static_cast<std::size_t>(static_cast<const char*>(stop) - begin));
    }
    if (!cr) break;
    if (cr + 1 == end) {
      if (endOfFile) break;
      return {static_cast<std::size_t>(cr - begin), false};
    }
    if (cr[1] == kLF) return Finish(static_cast<std::size_t>(cr + 2 - begin));
    at = cr + 1;
  }
  return endOfFile ? Finish(bytes.size()) : Progress{bytes.size(), false};
}

}  // namespace glyphlog
