#pragma once
// Line-by-line text files with a fixed-width, one-field record. A file is
// declared once with its record and the source of its name; the name is read
// from that source afresh at every Open and Create. Results are reported
// through the program-wide error state.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "shell/FixedText.h"
#include "shell/Handles.h"
#include "shell/LineDecoder.h"

namespace glyphlog {

// Read and write for this program; other programs may read but not write.
inline constexpr int kReadWriteDenyWrite = 34;

class TextFileCore {
 public:
  using NameSource = std::function<std::string()>;

  TextFileCore(NameSource name, std::span<char> record);
  TextFileCore(const TextFileCore&) = delete;
  TextFileCore& operator=(const TextFileCore&) = delete;

  void Open(int mode);
  // Opens as Open(mode) does, with the same access asked of the system and
  // so the same refusals and locks, then keeps only read access on the
  // handle: nothing can be written through it, whatever happens later.
  void OpenToRead(int mode);
  void Create();
  void Rewind();
  void Next();
  void Add();
  void Close();
  bool IsOpen() const { return static_cast<bool>(handle_); }

 private:
  // The name to open, or an error code when it cannot be used.
  std::int32_t CheckedName(std::string& name) const;
  bool Refill(std::uint64_t from);
  bool FlushWrites();

  NameSource name_;
  std::span<char> record_;
  LineDecoder decoder_;

  UniqueFileHandle handle_;
  bool used_ = false;        // any operation made through this file yet
  bool positioned_ = false;  // Rewind since it came into use
  bool writable_ = false;
  bool anyAdd_ = false;   // an Add ever made through this file
  bool written_ = false;  // bytes written since Open
  std::uint64_t size_ = 0;
  std::uint64_t nextLine_ = 0;
  std::uint64_t writeAt_ = 0;

  std::vector<char> readBuffer_;
  std::uint64_t readBufferStart_ = 0;
  std::vector<char> writeBuffer_;
};

template <std::size_t Width>
class TextFile : public TextFileCore {
 public:
  explicit TextFile(NameSource name) : TextFileCore(std::move(name), {record.data(), Width}) {}

  FixedText<Width> record;
};

}  // namespace glyphlog
