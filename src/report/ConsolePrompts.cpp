#include "report/ConsolePrompts.h"

namespace glyphlog {

void ConsolePrompts::ShowMessage(const Message& message) {
  ++messageCount_;
  std::string line(kReportProgramName);
  line += ": ";
  bool inBreak = false;
  for (const char c : message.text) {
    if (c == '|') {
      if (!inBreak) line += ": ";
      inBreak = true;
      continue;
    }
    inBreak = false;
    line += c;
  }
  errors_ << line << '\n';
  errors_.flush();
}

}  // namespace glyphlog
