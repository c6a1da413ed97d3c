#pragma once
// Fixed-width, blank-padded text: the one representation of every setting,
// file name, record field and table column in the program.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace glyphlog {

// `text` without its trailing blanks (0x20 only; tabs and NULs count as text).
constexpr std::string_view WithoutTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// Orders two texts by unsigned byte value, the shorter one taken as padded
// with blanks; so trailing blanks never matter and letter case does.
// Returns <0, 0 or >0.
constexpr int CompareTexts(std::string_view a, std::string_view b) {
  const std::size_t n = std::max(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(i < a.size() ? a[i] : ' ');
    const auto cb = static_cast<unsigned char>(i < b.size() ? b[i] : ' ');
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

// Changes only the letters a to z.
constexpr char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = UpperAscii(c);
  return out;
}

template <std::size_t Width>
class FixedText {
 public:
  static constexpr std::size_t width = Width;

  constexpr FixedText() { chars_.fill(' '); }
  constexpr FixedText(std::string_view value) { Assign(value); }  // NOLINT: texts convert freely

  // Stores `value`, cut at the field's width and padded with blanks.
  constexpr void Assign(std::string_view value) {
    const std::size_t n = std::min(value.size(), Width);
    std::copy_n(value.data(), n, chars_.data());
    std::fill(chars_.begin() + static_cast<std::ptrdiff_t>(n), chars_.end(), ' ');
  }
  constexpr FixedText& operator=(std::string_view value) {
    Assign(value);
    return *this;
  }
  constexpr void Clear() { chars_.fill(' '); }

  // The whole field, padding included.
  constexpr std::string_view View() const { return {chars_.data(), Width}; }
  // The field without its trailing blanks.
  constexpr std::string_view Trimmed() const { return WithoutTrailingBlanks(View()); }
  std::string Str() const { return std::string(Trimmed()); }
  constexpr bool IsBlank() const { return Trimmed().empty(); }

  constexpr char* data() { return chars_.data(); }
  constexpr const char* data() const { return chars_.data(); }

  friend constexpr bool operator==(const FixedText& a, const FixedText& b) {
    return CompareTexts(a.View(), b.View()) == 0;
  }
  friend constexpr bool operator==(const FixedText& a, std::string_view b) {
    return CompareTexts(a.View(), b) == 0;
  }

 private:
  std::array<char, Width> chars_;
};

}  // namespace glyphlog
