#pragma once
// A synthetic application folder, root folder and redirection file on disk,
// shaped like a large real one, and what the scan will have to do with it.

#include <cstddef>
#include <string>
#include <vector>

namespace glyphlog::bench {

struct WorkloadSize {
  std::string name;
  int linkFiles;
  int linesPerFile;
  int icons;
  int rules;
  int foldersPerRule;
};

struct Workload {
  std::string appFolder;
  std::string redirFile;
  std::string rootFolder;
  std::size_t linkFileBytes = 0;
  std::size_t iconLines = 0;
  // Every name the scan's Locate has to try, in order, once per icon line:
  // the name in the application folder, then the folders of its rule up to
  // the one that holds it (all of them for an icon that lies nowhere).
  std::vector<std::string> probes;
};

// Writes the workload below `folder` (which must exist); everything it
// writes is removed with the object.
class WorkloadFiles {
 public:
  WorkloadFiles(const std::string& folder, const WorkloadSize& size);
  WorkloadFiles(const WorkloadFiles&) = delete;
  WorkloadFiles& operator=(const WorkloadFiles&) = delete;
  ~WorkloadFiles();

  const Workload& workload() const { return workload_; }

 private:
  void Write(const std::string& path, const std::string& bytes);
  void MakeFolder(const std::string& path);

  Workload workload_;
  std::vector<std::string> files_;
  std::vector<std::string> folders_;
};

}  // namespace glyphlog::bench
