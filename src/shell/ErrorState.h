#pragma once
// The program-wide error state: every text-file and table operation clears it
// on success and sets it on failure, and callers test it right after the call.

#include <cstdint>
#include <string>
#include <string_view>

namespace glyphlog {

// The codes the services raise themselves; any other number is a system
// error number passed on as it came.
enum ErrorCodes : std::int32_t {
  kNoError = 0,
  kFileNotFound = 2,
  kPathNotFound = 3,
  kTooManyOpenFiles = 4,
  kAccessDenied = 5,
  kInsufficientMemory = 8,
  kEntryNotFound = 30,
  kRecordNotAvailable = 33,
  kFileNotOpen = 37,
  kInvalidFilename = 45,
  kFileAlreadyOpen = 52,
  kNoCreateAttribute = 54,
};

std::int32_t ErrorCode();
// At most 79 characters.
const std::string& ErrorText();

void ClearError();
// Sets the code and the text that belongs to it in the message table, or
// "Unknown Error Posted : <code>" for a number the table does not know.
void SetError(std::int32_t code);

// The message table's text for `code`, as SetError would store it.
std::string MessageFor(std::int32_t code);

}  // namespace glyphlog
