#include "shell/TextFile.h"

#include <windows.h>

#include <algorithm>

#include "shell/ErrorState.h"
#include "shell/LineEncoder.h"
#include "shell/SystemErrors.h"

namespace glyphlog {
namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;
constexpr std::size_t kWriteBufferSize = 64 * 1024;
constexpr std::size_t kMaxName = 259;

struct AccessAndSharing {
  DWORD access;
  DWORD sharing;
};

// A mode is an access nibble (0 read, 1 write, 2 read and write) plus a
// sharing nibble (0x10 deny all, 0x20 deny write, 0x30 deny read, 0x40 deny none).
AccessAndSharing DecodeMode(int mode) {
  AccessAndSharing result{GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE};
  switch (mode & 0x0F) {
    case 1:
      result.access = GENERIC_WRITE;
      break;
    case 2:
      result.access = GENERIC_READ | GENERIC_WRITE;
      break;
    default:
      break;
  }
  switch (mode & 0xF0) {
    case 0x10:
      result.sharing = 0;
      break;
    case 0x20:
      result.sharing = FILE_SHARE_READ;
      break;
    case 0x30:
      result.sharing = FILE_SHARE_WRITE;
      break;
    default:
      break;
  }
  return result;
}

bool IsReadOnlyFile(const std::string& name) {
  const DWORD attributes = ::GetFileAttributesA(name.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
         !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void SetErrorFromSystem() { SetError(FileErrorCodeFor(::GetLastError())); }

}  // namespace

TextFileCore::TextFileCore(NameSource name, std::span<char> record)
    : name_(std::move(name)), record_(record), decoder_(record) {}

std::int32_t TextFileCore::CheckedName(std::string& name) const {
  name = std::string(WithoutTrailingBlanks(name_()));
  const bool network = name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
  if (name.empty() || (name.size() > kMaxName && !network)) return kInvalidFilename;
  if (name.find('\0') != std::string::npos) return kInvalidFilename;
  return kNoError;
}

void TextFileCore::Open(int mode) {
  ClearError();
  used_ = true;
  if (handle_) return SetError(kFileAlreadyOpen);
  std::string name;
  if (const auto code = CheckedName(name); code != kNoError) return SetError(code);

  const auto [access, sharing] = DecodeMode(mode);
  // Windows refuses write access to a read-only file; ask first so that every
  // platform, and a process with more rights, answers the same.
  if ((access & GENERIC_WRITE) && IsReadOnlyFile(name)) return SetError(kAccessDenied);
  UniqueFileHandle handle(
      ::CreateFileA(name.c_str(), access, sharing, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) return SetErrorFromSystem();
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(handle.get(), &size)) return SetErrorFromSystem();

  handle_ = std::move(handle);
  size_ = static_cast<std::uint64_t>(size.QuadPart);
  writable_ = (access & GENERIC_WRITE) != 0;
  written_ = false;
  nextLine_ = 0;
  writeAt_ = size_;
  readBuffer_.clear();
  readBufferStart_ = 0;
  writeBuffer_.clear();
}

void TextFileCore::OpenToRead(int mode) {
  Open(mode);
  if (ErrorCode() != kNoError || !writable_) return;
  HANDLE reading = nullptr;
  const HANDLE self = ::GetCurrentProcess();
  if (!::DuplicateHandle(self, handle_.get(), self, &reading, GENERIC_READ, FALSE, 0)) {
    SetErrorFromSystem();
    handle_.reset();
    return;
  }
  handle_.reset(reading);  // the file stays locked as opened: the lock belongs to the open file
  writable_ = false;
}

void TextFileCore::Create() {
  ClearError();
  used_ = true;
  if (handle_) return SetError(kFileAlreadyOpen);
  std::string name;
  if (const auto code = CheckedName(name); code != kNoError) return SetError(code);
  if (IsReadOnlyFile(name)) return SetError(kAccessDenied);
  UniqueFileHandle handle(::CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!handle) SetErrorFromSystem();
}

void TextFileCore::Rewind() {
  ClearError();
  used_ = true;
  if (!handle_) return SetError(kFileNotOpen);
  if (!FlushWrites()) return;
  positioned_ = true;
  nextLine_ = 0;
}

bool TextFileCore::Refill(std::uint64_t from) {
  readBuffer_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kReadBufferSize, size_ - from)));
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(from);
  DWORD got = 0;
  if (!::SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN) ||
      !::ReadFile(handle_.get(), readBuffer_.data(), static_cast<DWORD>(readBuffer_.size()), &got, nullptr)) {
    readBuffer_.clear();
    SetErrorFromSystem();
    return false;
  }
  readBuffer_.resize(got);
  readBufferStart_ = from;
  if (got == 0) {  // the file shrank under us: its data ends here
    SetError(kRecordNotAvailable);
    return false;
  }
  return true;
}

void TextFileCore::Next() {
  ClearError();
  used_ = true;
  if (!handle_) return SetError(kFileNotOpen);
  if (!positioned_) return SetError(kRecordNotAvailable);
  if (!FlushWrites()) return;
  if (nextLine_ >= size_) return SetError(kRecordNotAvailable);

  decoder_.Start();
  for (bool first = true;; first = false) {
    const std::uint64_t bufferEnd = readBufferStart_ + readBuffer_.size();
    if (nextLine_ < readBufferStart_ || nextLine_ >= bufferEnd ||
        (bufferEnd - nextLine_ < 2 && bufferEnd < size_)) {
      if (!Refill(nextLine_)) return;
    }
    const auto offset = static_cast<std::size_t>(nextLine_ - readBufferStart_);
    const std::span<const char> bytes(readBuffer_.data() + offset, readBuffer_.size() - offset);
    if (first && bytes.front() == kCtrlZ) return SetError(kRecordNotAvailable);
    const bool endOfFile = readBufferStart_ + readBuffer_.size() >= size_;
    const auto progress = decoder_.Feed(bytes, endOfFile);
    nextLine_ += progress.consumed;
    if (progress.complete) return;
  }
}

void TextFileCore::Add() {
  ClearError();
  used_ = true;
  if (!handle_) return SetError(kFileNotOpen);
  if (!writable_) return SetError(kAccessDenied);

  if (!anyAdd_) {
    anyAdd_ = true;
    // A file that ends in the end-of-data mark gets its lines after the data,
    // not after the mark, so they can be read back.
    if (size_ > 0 && writeAt_ == size_) {
      char last = 0;
      DWORD got = 0;
      LARGE_INTEGER position{};
      position.QuadPart = static_cast<LONGLONG>(size_ - 1);
      if (::SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN) &&
          ::ReadFile(handle_.get(), &last, 1, &got, nullptr) && got == 1 && last == kCtrlZ) {
        writeAt_ = size_ - 1;
      }
    }
  }
  AppendLine(writeBuffer_, {record_.data(), record_.size()});
  if (writeBuffer_.size() >= kWriteBufferSize) FlushWrites();
}

bool TextFileCore::FlushWrites() {
  if (writeBuffer_.empty()) return true;
  LARGE_INTEGER position{};
  position.QuadPart = static_cast<LONGLONG>(writeAt_);
  DWORD wrote = 0;
  const bool ok = ::SetFilePointerEx(handle_.get(), position, nullptr, FILE_BEGIN) &&
                  ::WriteFile(handle_.get(), writeBuffer_.data(), static_cast<DWORD>(writeBuffer_.size()),
                              &wrote, nullptr) &&
                  wrote == writeBuffer_.size();
  written_ = true;
  writeAt_ += wrote;
  size_ = std::max(size_, writeAt_);
  writeBuffer_.clear();
  readBuffer_.clear();  // what was read may now be stale
  if (!ok) SetError(kAccessDenied);
  return ok;
}

void TextFileCore::Close() {
  if (!used_) return;  // a file never used at all: nothing happens
  ClearError();
  if (!handle_) return SetError(kFileNotOpen);
  FlushWrites();  // a failure sets the error state; the file is closed either way
  if (written_) ::FlushFileBuffers(handle_.get());
  handle_.reset();
}

}  // namespace glyphlog
