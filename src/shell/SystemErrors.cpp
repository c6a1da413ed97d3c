#include "shell/SystemErrors.h"

#include <windows.h>

#include "shell/ErrorState.h"

namespace glyphlog {

std::int32_t FileErrorCodeFor(std::uint32_t systemError) {
  switch (systemError) {
    case ERROR_FILE_NOT_FOUND:
      return kFileNotFound;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY:
      return kPathNotFound;
    case ERROR_TOO_MANY_OPEN_FILES:
      return kTooManyOpenFiles;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return kAccessDenied;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return kInsufficientMemory;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
      return kInvalidFilename;
    default:
      return static_cast<std::int32_t>(systemError);
  }
}

}  // namespace glyphlog
