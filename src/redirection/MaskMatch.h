#pragma once
// Matching a file name against the mask of a redirection rule.

#include <string_view>

namespace glyphlog {

// True when the whole `name` matches the whole `mask`, both taken without
// trailing blanks (leading blanks count). "*" matches any run of characters,
// the empty run, "\" and "." included; "?" matches exactly one character; any
// other character matches itself with the letters a-z and A-Z taken alike. An
// empty mask matches nothing.
bool MaskMatches(std::string_view mask, std::string_view name);

// True when some name that ends in `ending` matches `mask` (letter case
// ignored as above): whether a rule can ever be the one that finds such files.
bool MaskCanMatchEnding(std::string_view mask, std::string_view ending);

}  // namespace glyphlog
