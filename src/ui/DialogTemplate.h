#pragma once
// A dialog described as a table of controls, turned into the in-memory
// template the dialog manager creates windows from. Keeping it in code
// means no resource has to travel with every program that shows it.

#include <windows.h>

#include <span>
#include <string_view>
#include <vector>

namespace glyphlog {

// The system's predefined control classes.
enum class ControlClass : WORD { Button = 0x0080, Edit = 0x0081, Static = 0x0082 };

struct ControlDescription {
  ControlClass kind;
  WORD id;
  std::string_view text;
  DWORD style;
  short x, y, width, height;  // dialog units
};

struct DialogDescription {
  std::string_view caption;
  DWORD style;          // DS_SETFONT is added
  short width, height;  // dialog units
  std::string_view font;
  WORD pointSize;
  std::span<const ControlDescription> controls;
};

// The extended template; its words start DWORD-aligned as the data of a vector does.
std::vector<WORD> BuildDialogTemplate(const DialogDescription& dialog);

}  // namespace glyphlog
