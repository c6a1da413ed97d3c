#pragma once
// How Locate came to the file a name refers to.

#include <string>

namespace glyphlog {

struct Resolution {
  enum class Kind { AsWritten, ThroughRule, NotFound };
  Kind kind = Kind::NotFound;
  // For ThroughRule: the mask of the rule that found the file and the search
  // folder that holds it, both as the rule stores them (macros expanded,
  // without trailing blanks). Empty otherwise.
  std::string mask;
  std::string folder;
};

}  // namespace glyphlog
