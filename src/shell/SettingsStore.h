#pragma once
// The settings file: ".\glyphlog.ini" in whatever folder is current at the
// moment of each call. Nothing is kept in memory between calls.

#include <string>
#include <string_view>

namespace glyphlog {

// The value of `key` in `section`, up to 1023 characters; `defaultValue`
// when the file, the section or the key is missing. A key present with an
// empty value gives the empty text.
std::string ReadSetting(std::string_view section, std::string_view key, std::string_view defaultValue);

// Sets `key` in `section`, creating the file, section or entry as needed.
// A write that cannot be carried out is silently lost; a read-only settings
// file is never changed.
void WriteSetting(std::string_view section, std::string_view key, std::string_view value);

}  // namespace glyphlog
