#pragma once
// What the program asks of the user outside its own windows: message boxes
// and the system's file and folder dialogs. Tests put a scripted user here.

#include <optional>
#include <string>
#include <string_view>

namespace glyphlog {

enum class MessageIcon { None, Exclamation };

struct Message {
  std::string text;     // "|" marks a line break
  std::string caption;  // empty: no caption text
  MessageIcon icon = MessageIcon::None;
};

struct FolderRequest {
  std::string instruction;  // shown above the folder tree
  std::string startFolder;  // selected at the start when it exists
};

struct FileRequest {
  std::string title;
  std::string filterLabel;
  std::string filterPattern;
  std::string initial;  // folder or proposed file name
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  virtual void ShowMessage(const Message& message) = 0;
  // The chosen folder's or file's full path; nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(const FolderRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToOpen(const FileRequest& request) = 0;
  virtual std::optional<std::string> ChooseFileToSave(const FileRequest& request) = 0;
};

// The error message the program shows for a failed file operation:
// `what` and the file's name, an empty line, then the failure's text.
Message FileErrorMessage(std::string_view what, std::string_view fileName);

}  // namespace glyphlog
