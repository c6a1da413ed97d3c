#pragma once
// Puts the current folder back, whatever a system dialog did to it while
// the object lived: the settings file and relative names depend on it.

#include <string>

#include "shell/FileSystem.h"

namespace glyphlog {

class CurrentFolderKeeper {
 public:
  CurrentFolderKeeper() : folder_(CurrentFolder()) {}
  CurrentFolderKeeper(const CurrentFolderKeeper&) = delete;
  CurrentFolderKeeper& operator=(const CurrentFolderKeeper&) = delete;
  ~CurrentFolderKeeper() {
    if (!folder_.empty() && CurrentFolder() != folder_) SetCurrentFolder(folder_);
  }

 private:
  std::string folder_;
};

}  // namespace glyphlog
