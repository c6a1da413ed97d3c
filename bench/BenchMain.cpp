// glyphlog-bench: times the full scan on synthetic workloads against the
// floors of reading the link files and probing the file system, and prints
// the figures. It reports; it asserts nothing.

#include <windows.h>
// after windows.h, which it builds on
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>

#include "Floors.h"
#include "Workload.h"
#include "report/ConsolePrompts.h"
#include "shell/MainProcedure.h"

namespace glyphlog::bench {
namespace {

// The main procedure's user for a timed run: the workload's settings, no window.
class BenchUser : public UserInterface {
 public:
  explicit BenchUser(const Workload& workload) : workload_(workload) {}
  bool AskForSettings(ProgramState& state) override {
    state.AppFolder = workload_.appFolder;
    state.RedirFileName = workload_.redirFile;
    state.CWRootFolder = workload_.rootFolder;
    return true;
  }
  void ShowIconList(ProgramState& state) override { rows = state.ICONQ.RowCount(); }
  Prompts& prompts() override { return prompts_; }

  std::int32_t rows = 0;

 private:
  const Workload& workload_;
  ConsolePrompts prompts_{std::cerr};
};

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double PeakWorkingSetMegabytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

struct Figures {
  std::string name;
  double scan = 0;
  double rawFloor = 0;
  double probeFloor = 0;
  double peakMegabytes = 0;
  std::size_t bytes = 0;
  std::size_t iconLines = 0;
  std::size_t probes = 0;
  std::int32_t rows = 0;
  double FloorRatio() const { return scan / (rawFloor + probeFloor); }
};

Figures Measure(const std::string& folder, const WorkloadSize& size) {
  const WorkloadFiles files(folder, size);
  const Workload& workload = files.workload();
  Figures figures{size.name};
  figures.bytes = workload.linkFileBytes;
  figures.iconLines = workload.iconLines;
  figures.probes = workload.probes.size();
  ReadEveryLinkFile(workload.appFolder);  // the same warm start for everyone
  figures.rawFloor = Seconds([&] { ReadEveryLinkFile(workload.appFolder); });
  figures.probeFloor = Seconds([&] { ProbeEach(workload.probes); });
  figures.scan = Seconds([&] {
    ProgramState state;
    BenchUser user(workload);
    RunMainProcedure(state, user);
    figures.rows = user.rows;
  });
  figures.peakMegabytes = PeakWorkingSetMegabytes();
  return figures;
}

void Print(const Figures& f) {
  std::printf("%-9s %8zu %7zu %6d %8zu %8.3f %8.3f %8.3f %7.2f %8.2f %10.0f %10.0f %8.1f\n", f.name.c_str(),
              f.bytes / 1024, f.iconLines, f.rows, f.probes, f.scan, f.rawFloor, f.probeFloor, f.FloorRatio(),
              static_cast<double>(f.bytes) / f.scan / (1024 * 1024),
              static_cast<double>(f.iconLines) / f.scan, static_cast<double>(f.probes) / f.scan,
              f.peakMegabytes);
}

std::string MakeWorkFolder() {
  char temp[MAX_PATH + 1];
  ::GetTempPathA(sizeof temp, temp);
  const std::string folder = std::string(temp) + "glyphlog-bench-" + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

}  // namespace
}  // namespace glyphlog::bench

int main() {
  using namespace glyphlog::bench;
  const std::string folder = MakeWorkFolder();
  const WorkloadSize small{"small", 20, 200, 300, 10, 2};
  const WorkloadSize large{"large", 2000, 200, 5000, 40, 4};
  const WorkloadSize large4{"large x4", 8000, 200, 20000, 40, 4};

  std::printf("%-9s %8s %7s %6s %8s %8s %8s %8s %7s %8s %10s %10s %8s\n", "workload", "KiB", "icon-ln",
              "icons", "probes", "scan s", "raw s", "probe s", "ratio", "MiB/s", "icon-ln/s", "probes/s",
              "peak MB");
  // The first scan in a process also pays for starting the window system
  // (the busy pointer while the rules load): shown apart, then measured warm.
  const WorkloadSize cold{"cold",      small.linkFiles, small.linesPerFile,
                          small.icons, small.rules,     small.foldersPerRule};
  Figures results[4];
  int i = 0;
  for (const WorkloadSize& size : {cold, small, large, large4}) {
    results[i] = Measure(folder, size);
    Print(results[i++]);
    std::fflush(stdout);
  }
  ::RemoveDirectoryA(folder.c_str());

  const Figures& l = results[2];
  const Figures& x4 = results[3];
  std::printf("\nratio = scan time / (raw floor + probe floor); peak MB = peak working set so far\n");
  std::printf("large: scan within 1.5x its floors:   %.2fx  %s\n", l.FloorRatio(),
              l.FloorRatio() <= 1.5 ? "met" : "MISSED");
  const double growth = x4.scan / l.scan;
  std::printf("large x4: time for 4x the work:        %.2fx  %s\n", growth, growth <= 4.4 ? "met" : "MISSED");
  std::printf("large: peak working set under 64 MB:  %.1f MB  %s\n", l.peakMegabytes,
              l.peakMegabytes < 64 ? "met" : "MISSED");
  return 0;
}
