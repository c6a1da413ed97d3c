#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "shell/FileSystem.h"
#include "shell/Handles.h"

namespace glyphlog::testing {
namespace {

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA found{};
  UniqueFindHandle find(::FindFirstFileA((path + "\\*").c_str(), &found));
  if (find) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(child);
      } else {
        ::DeleteFileA(child.c_str());
      }
    } while (::FindNextFileA(find.get(), &found));
  }
  ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::RemoveDirectoryA(path.c_str());
}

}  // namespace

TempFolder::TempFolder() {
  static std::atomic<int> counter{0};
  char temp[MAX_PATH + 1];
  ::GetTempPathA(sizeof temp, temp);
  path_ = std::string(temp) + "glyphlog-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
          std::to_string(counter++);
  RemoveTree(path_);
  MakeFolder(path_);
  path_ = FullPathAsStored(path_).value_or(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void MakeFolder(const std::string& path) {
  for (std::size_t i = 3; i <= path.size(); ++i) {
    if (i == path.size() || path[i] == '\\') ::CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
  }
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  MakeFolder(path.substr(0, path.rfind('\\')));
  UniqueFileHandle file(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(file) << path;
  DWORD wrote = 0;
  ASSERT_TRUE(::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr));
  ASSERT_EQ(wrote, bytes.size());
}

std::string ReadBytes(const std::string& path) {
  UniqueFileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return "<missing>";
  std::string bytes;
  char buffer[65536];
  DWORD got = 0;
  while (::ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
  return bytes;
}

void SetAttributes(const std::string& path, DWORD attributes) {
  ASSERT_TRUE(::SetFileAttributesA(path.c_str(), attributes)) << path;
}

bool FileSnapshot::operator==(const FileSnapshot& other) const {
  return bytes == other.bytes && ::CompareFileTime(&written, &other.written) == 0;
}

FileSnapshot Snapshot(const std::string& path) {
  FileSnapshot snapshot;
  snapshot.bytes = ReadBytes(path);
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
    snapshot.written = data.ftLastWriteTime;
  return snapshot;
}

std::map<std::string, FileSnapshot> TreeSnapshot(const std::string& folder) {
  std::map<std::string, FileSnapshot> files;
  std::vector<std::string> pending{""};
  while (!pending.empty()) {
    const std::string relative = pending.back();
    pending.pop_back();
    const std::string prefix = relative.empty() ? "" : relative + "\\";
    WIN32_FIND_DATAA found{};
    UniqueFindHandle find(::FindFirstFileA((folder + "\\" + prefix + "*").c_str(), &found));
    if (!find) continue;
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        pending.push_back(prefix + name);
      } else {
        files[prefix + name] = Snapshot(folder + "\\" + prefix + name);
      }
    } while (::FindNextFileA(find.get(), &found));
  }
  return files;
}

CurrentFolderScope::CurrentFolderScope(const std::string& folder) : previous_(CurrentFolder()) {
  EXPECT_TRUE(SetCurrentFolder(folder)) << folder;
}
CurrentFolderScope::~CurrentFolderScope() { SetCurrentFolder(previous_); }

std::optional<std::string> ScriptedPrompts::ChooseFolder(const FolderRequest& request) {
  folderRequests.push_back(request);
  return folderAnswer;
}
std::optional<std::string> ScriptedPrompts::ChooseFileToOpen(const FileRequest& request) {
  fileRequests.push_back(request);
  return fileAnswer;
}
std::optional<std::string> ScriptedPrompts::ChooseFileToSave(const FileRequest& request) {
  fileRequests.push_back(request);
  return fileAnswer;
}

}  // namespace glyphlog::testing
