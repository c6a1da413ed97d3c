#pragma once
// Move-only owners for the Win32 handles the program holds.

#include <windows.h>
// after windows.h, which it builds on
#include <commctrl.h>

#include <utility>

namespace glyphlog {

template <class Traits>
class UniqueResource {
 public:
  using Value = typename Traits::Value;

  UniqueResource() = default;
  explicit UniqueResource(Value value) : value_(value) {}
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;
  UniqueResource(UniqueResource&& other) noexcept : value_(other.release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    reset(other.release());
    return *this;
  }
  ~UniqueResource() { reset(); }

  Value get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::Invalid(); }
  Value release() { return std::exchange(value_, Traits::Invalid()); }
  void reset(Value value = Traits::Invalid()) {
    if (value_ != Traits::Invalid()) Traits::Close(value_);
    value_ = value;
  }

 private:
  Value value_ = Traits::Invalid();
};

struct FileHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
  using Value = HANDLE;
  static Value Invalid() { return INVALID_HANDLE_VALUE; }
  static void Close(Value h) { ::FindClose(h); }
};

struct WindowTraits {
  using Value = HWND;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::DestroyWindow(h); }
};
struct ImageListTraits {
  using Value = HIMAGELIST;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::ImageList_Destroy(h); }
};
// Icons the program loaded itself; never the system's shared ones.
struct IconTraits {
  using Value = HICON;
  static Value Invalid() { return nullptr; }
  static void Close(Value h) { ::DestroyIcon(h); }
};

using UniqueFileHandle = UniqueResource<FileHandleTraits>;
using UniqueFindHandle = UniqueResource<FindHandleTraits>;
using UniqueWindow = UniqueResource<WindowTraits>;
using UniqueImageList = UniqueResource<ImageListTraits>;
using UniqueIcon = UniqueResource<IconTraits>;

}  // namespace glyphlog
