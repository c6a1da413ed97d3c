#pragma once
// Real files and folders for the Windows tests, removed when the test ends.

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Prompts.h"

namespace glyphlog::testing {

// A fresh folder under the system's temporary folder, deleted with everything in it.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

  const std::string& path() const { return path_; }
  // `relative` below this folder.
  std::string operator/(std::string_view relative) const { return path_ + "\\" + std::string(relative); }

 private:
  std::string path_;
};

// Writes `bytes` to `path`, creating the folders on the way.
void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);
void MakeFolder(const std::string& path);
void SetAttributes(const std::string& path, DWORD attributes);

// What a file looks like from outside: its bytes and its last-write time.
struct FileSnapshot {
  std::string bytes;
  FILETIME written{};
  bool operator==(const FileSnapshot& other) const;
};
FileSnapshot Snapshot(const std::string& path);
// Every file below `folder`, by its path relative to `folder`.
std::map<std::string, FileSnapshot> TreeSnapshot(const std::string& folder);

// Makes `folder` current for the life of the object.
class CurrentFolderScope {
 public:
  explicit CurrentFolderScope(const std::string& folder);
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;
  ~CurrentFolderScope();

 private:
  std::string previous_;
};

// A user who answers every dialog as scripted and remembers every message.
class ScriptedPrompts : public Prompts {
 public:
  void ShowMessage(const Message& message) override { messages.push_back(message); }
  std::optional<std::string> ChooseFolder(const FolderRequest& request) override;
  std::optional<std::string> ChooseFileToOpen(const FileRequest& request) override;
  std::optional<std::string> ChooseFileToSave(const FileRequest& request) override;

  std::vector<Message> messages;
  std::vector<FolderRequest> folderRequests;
  std::vector<FileRequest> fileRequests;
  std::optional<std::string> folderAnswer;
  std::optional<std::string> fileAnswer;
};

}  // namespace glyphlog::testing
