#pragma once
// The file-system questions the program asks: the current folder, full
// paths written as stored on disk, and whether a name exists.

#include <optional>
#include <string>
#include <string_view>

namespace glyphlog {

std::string CurrentFolder();
// False when the folder cannot be made current.
bool SetCurrentFolder(std::string_view folder);

// `name` made absolute against the current folder, "." and ".." resolved,
// doubled separators read as one. Nothing when the name cannot be formed
// into a path of at most 260 characters, holds a NUL (the system would read
// only the part before it), or names a device ("CON", "\\.\COM1") rather
// than a file.
std::optional<std::string> FullPath(std::string_view name);

// FullPath, with every leading part that exists on disk written as stored
// there (long name, stored letter case).
std::optional<std::string> FullPathAsStored(std::string_view name);

// True when `path` names an existing file or folder (a name with a NUL never does).
bool PathExists(std::string_view path);
// True when `path` names an existing folder.
bool FolderExists(std::string_view path);

}  // namespace glyphlog
