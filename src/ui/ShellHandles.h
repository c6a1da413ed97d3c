#pragma once
// Owners for what the shell hands out: item lists of the folder chooser.

#include <windows.h>
// after windows.h, which they build on
#include <objbase.h>
#include <shlobj.h>

#include "shell/Handles.h"

namespace glyphlog {

struct ItemListTraits {
  using Value = PIDLIST_ABSOLUTE;
  static Value Invalid() { return nullptr; }
  static void Close(Value list) { ::CoTaskMemFree(list); }
};

using UniqueItemList = UniqueResource<ItemListTraits>;

}  // namespace glyphlog
