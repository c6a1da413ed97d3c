#include "ui/Prompts.h"

#include "shell/ErrorState.h"

namespace glyphlog {

Message FileErrorMessage(std::string_view what, std::string_view fileName) {
  return {std::string(what) + std::string(fileName) + "||" + ErrorText(), "Error", MessageIcon::Exclamation};
}

}  // namespace glyphlog
