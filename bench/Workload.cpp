#include "Workload.h"

#include <windows.h>

#include "shell/Handles.h"

namespace glyphlog::bench {
namespace {

constexpr int kIconLineEvery = 10;      // one line in ten names an icon
constexpr int kLyingNowhereEvery = 20;  // one icon in twenty exists in no folder

// `n` in decimal, zero-padded to `width` digits.
std::string Numbered(int width, int n) {
  std::string digits = std::to_string(n);
  return std::string(digits.size() < static_cast<std::size_t>(width) ? width - digits.size() : 0, '0') +
         digits;
}

std::string RuleFolder(const std::string& root, int rule, int folder) {
  return root + "\\r" + Numbered(2, rule) + "\\f" + std::to_string(folder);
}

// Icon n belongs to rule n mod rules and lies in one of that rule's folders.
struct IconPlace {
  std::string name;
  int rule;
  int folder;  // -1: lies nowhere
};

IconPlace PlaceOf(int icon, const WorkloadSize& size) {
  const int rule = icon % size.rules;
  const int folder =
      icon % kLyingNowhereEvery == kLyingNowhereEvery - 1 ? -1 : (icon / size.rules) % size.foldersPerRule;
  return {"r" + Numbered(2, rule) + "_" + Numbered(6, icon) + ".ico", rule, folder};
}

}  // namespace

WorkloadFiles::WorkloadFiles(const std::string& folder, const WorkloadSize& size) {
  workload_.appFolder = folder + "\\app";
  workload_.rootFolder = folder + "\\root";
  workload_.redirFile = folder + "\\bench.red";
  MakeFolder(workload_.appFolder);
  MakeFolder(workload_.rootFolder);

  std::string redirection = "[Common]\r\n";
  for (int rule = 0; rule < size.rules; ++rule) {
    MakeFolder(workload_.rootFolder + "\\r" + Numbered(2, rule));
    redirection += "r" + Numbered(2, rule) + "_*.ico =";
    for (int f = 0; f < size.foldersPerRule; ++f) {
      MakeFolder(RuleFolder(workload_.rootFolder, rule, f));
      redirection +=
          (f ? "; " : " ") + std::string("%ROOT%\\r") + Numbered(2, rule) + "\\f" + std::to_string(f);
    }
    redirection += "\r\n";
  }
  redirection += "*.* = .\r\n";
  Write(workload_.redirFile, redirection);

  for (int icon = 0; icon < size.icons; ++icon) {
    const IconPlace place = PlaceOf(icon, size);
    if (place.folder >= 0)
      Write(RuleFolder(workload_.rootFolder, place.rule, place.folder) + "\\" + place.name, "");
  }

  const std::string ruleRoot = workload_.rootFolder + "\\";  // as %ROOT% expands, doubled separator and all
  for (int file = 0; file < size.linkFiles; ++file) {
    std::string text;
    for (int line = 0; line < size.linesPerFile; ++line) {
      if (line % kIconLineEvery != kIconLineEvery - 1) {
        text += "SOURCE module" + Numbered(5, file) + "_" + Numbered(3, line) + ".clw  COMPILE\r\n";
        continue;
      }
      // A stride prime to the icon count visits every icon, in scattered order.
      const int icon = static_cast<int>((static_cast<long long>(workload_.iconLines) * 7919) % size.icons);
      const IconPlace place = PlaceOf(icon, size);
      text += (line == kIconLineEvery - 1 ? "/PROGRAM_ICON=" : "") + place.name + "\r\n";
      ++workload_.iconLines;
      workload_.probes.push_back(workload_.appFolder + "\\" + place.name);
      const int lastTried = place.folder >= 0 ? place.folder : size.foldersPerRule - 1;
      for (int f = 0; f <= lastTried; ++f) {
        workload_.probes.push_back(ruleRoot + "\\r" + Numbered(2, place.rule) + "\\f" + std::to_string(f) +
                                   "\\" + place.name);
      }
    }
    workload_.linkFileBytes += text.size();
    Write(workload_.appFolder + "\\p" + Numbered(5, file) + ".lnk", text);
  }
}

WorkloadFiles::~WorkloadFiles() {
  for (const std::string& file : files_) ::DeleteFileA(file.c_str());
  for (auto it = folders_.rbegin(); it != folders_.rend(); ++it) ::RemoveDirectoryA(it->c_str());
}

void WorkloadFiles::Write(const std::string& path, const std::string& bytes) {
  files_.push_back(path);
  const UniqueFileHandle file(
      ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD wrote = 0;
  if (file) ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr);
}

void WorkloadFiles::MakeFolder(const std::string& path) {
  folders_.push_back(path);
  ::CreateDirectoryA(path.c_str(), nullptr);
}

}  // namespace glyphlog::bench
