#pragma once
// The rules for reading one line of a text file into a fixed-width record,
// applied to bytes that arrive in chunks. The file service owns the buffer and
// the end-of-data tests; this class only decides which bytes belong to the line
// and what the record holds.

#include <cstddef>
#include <span>

namespace glyphlog {

// Marks the end of a text file's data; nothing after it is ever read.
inline constexpr char kCtrlZ = 0x1A;

// Decodes one line of a text file into a fixed-width, blank-padded record, from bytes fed in chunks.
class LineDecoder {
 public:
  explicit LineDecoder(std::span<char> record);

  // Starts a new line: fills the record with blanks and resets the state.
  void Start();

  struct Progress {
    std::size_t
        consumed;   // bytes of `bytes` taken (they belong to this line, terminator/skipped rest included)
    bool complete;  // the line is finished; the next line starts after the consumed bytes
  };

  // `bytes` are the next unread bytes of the file; `endOfFile` says they reach the end of the file.
  // When not complete, every byte of `bytes` that could be decided was consumed; the caller keeps the
  // unconsumed bytes (at most one: a CR whose follower is not yet known), appends more from the file and
  // calls Feed again. With endOfFile true the line is always complete after the call.
  Progress Feed(std::span<const char> bytes, bool endOfFile);

 private:
  enum class Phase { kCopying, kSkipping, kDone };

  Progress Copy(std::span<const char> bytes, bool endOfFile);
  Progress Skip(std::span<const char> bytes, std::size_t from, bool endOfFile);
  Progress Finish(std::size_t consumed);

  std::span<char> record_;
  std::size_t stored_ = 0;  // characters stored for this line, tab blanks included
  Phase phase_ = Phase::kCopying;
};

}  // namespace glyphlog
