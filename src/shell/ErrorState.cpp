#include "shell/ErrorState.h"

#include <array>
#include <utility>

namespace glyphlog {
namespace {

constexpr std::size_t kMaxErrorText = 79;

struct ErrorState {
  std::int32_t code = 0;
  std::string text;
};

ErrorState& State() {
  static ErrorState state;
  return state;
}

constexpr std::array<std::pair<std::int32_t, std::string_view>, 11> kMessages{{
    {kFileNotFound, "File Not Found"},
    {kPathNotFound, "Path Not Found"},
    {kTooManyOpenFiles, "Too Many Open Files"},
    {kAccessDenied, "Access Denied"},
    {kInsufficientMemory, "Insufficient Memory"},
    {kEntryNotFound, "Entry Not Found"},
    {kRecordNotAvailable, "Record Not Available"},
    {kFileNotOpen, "File Not Open"},
    {kInvalidFilename, "Invalid Filename"},
    {kFileAlreadyOpen, "File Already Open"},
    {kNoCreateAttribute, "No Create Attribute"},
}};

}  // namespace

std::int32_t ErrorCode() { return State().code; }
const std::string& ErrorText() { return State().text; }

void ClearError() {
  State().code = 0;
  State().text.clear();
}

std::string MessageFor(std::int32_t code) {
  for (const auto& [number, text] : kMessages) {
    if (number == code) return std::string(text);
  }
  return "Unknown Error Posted : " + std::to_string(code);
}

void SetError(std::int32_t code) {
  std::string text = MessageFor(code);
  const auto first = text.find_first_not_of(' ');
  text.erase(0, first == std::string::npos ? text.size() : first);
  if (text.size() > kMaxErrorText) text.resize(kMaxErrorText);
  State().code = code;
  State().text = std::move(text);
}

}  // namespace glyphlog
