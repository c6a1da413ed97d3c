#pragma once
// The least any scan of a workload must cost: reading what it reads, and
// asking the file system what it asks.

#include <cstddef>
#include <string>
#include <vector>

namespace glyphlog::bench {

// Lists the link files of `appFolder` and reads every byte of each; the bytes read.
std::size_t ReadEveryLinkFile(const std::string& appFolder);

// One existence check per path; how many exist.
std::size_t ProbeEach(const std::vector<std::string>& paths);

}  // namespace glyphlog::bench
