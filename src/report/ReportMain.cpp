// The report program's entry: the console sibling of the window program.

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "report/ReportProgram.h"

int main(int argc, char** argv) {
  // The report's bytes go out as they are: its lines carry their own CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
  const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  return glyphlog::RunReport(arguments, std::cout, std::cerr);
}
