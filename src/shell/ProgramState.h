#pragma once
// Everything the program holds from start-up to exit, owned by the main
// module and handed by reference to each step of the main procedure.

#include <string>

#include "redirection/RedirectionRules.h"
#include "scan/IconUsage.h"
#include "shell/FixedText.h"
#include "shell/FolderListing.h"
#include "shell/Table.h"
#include "shell/TextFile.h"

namespace glyphlog {

struct ProgramState {
  FixedText<260> AppFolder;      // folder that holds the link files
  FixedText<260> RedirFileName;  // the development system's redirection file
  FixedText<260> CWRootFolder;   // the development system's root folder
  FixedText<260> SavedPath;      // the start-up folder, as stored on disk

  Table<IconUsage> ICONQ;
  Table<FolderEntry> FQ;
  // Link files and the exported list: its name is whatever FQ:NAME holds.
  TextFile<260> LNK{[this] { return std::string(FQ.record.NAME.View()); }};
  RedirectionRules Rules;
};

}  // namespace glyphlog
