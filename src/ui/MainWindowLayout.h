#pragma once
// The main window's controls, their design places and how they follow the
// window's client size. All figures are dialog units of the window's font.

#include <windows.h>

#include <array>

namespace glyphlog {

// Field numbers of the main window; CLOSE answers to Esc and the close box
// because it carries the dialog manager's cancel number.
enum MainWindowField : int {
  kList1 = 101,
  kSaveButton = 102,
  kCloseButton = IDCANCEL,
};

inline constexpr short kDesignWidth = 523;
inline constexpr short kDesignHeight = 241;
inline constexpr short kSaveButtonWidth = 63;
inline constexpr short kCloseButtonWidth = 45;
inline constexpr short kButtonHeight = 12;
inline constexpr int kGap = 2;

struct UnitRect {
  int x, y, width, height;
  bool operator==(const UnitRect&) const = default;
};

// One coordinate: a fixed amount, plus the client width or height where it follows it.
struct Follow {
  int units;
  bool plusClientSize = false;
  constexpr int At(int clientSize) const { return units + (plusClientSize ? clientSize : 0); }
};

struct Placement {
  int field;
  Follow x, y, width, height;
};

// LIST1 fills the window but for a margin and the button row; the buttons
// keep their size and sit at the bottom right, SAVEBUTTON left of CLOSE.
inline constexpr int kButtonTop = -14;
inline constexpr int kCloseLeft = -(kCloseButtonWidth + kGap);
inline constexpr int kSaveLeft = kCloseLeft - (kSaveButtonWidth + kGap);
inline constexpr std::array<Placement, 3> kMainWindowLayout{{
    {kList1, {2}, {2}, {-4, true}, {-18, true}},
    {kCloseButton, {kCloseLeft, true}, {kButtonTop, true}, {kCloseButtonWidth}, {kButtonHeight}},
    {kSaveButton, {kSaveLeft, true}, {kButtonTop, true}, {kSaveButtonWidth}, {kButtonHeight}},
}};

constexpr UnitRect Place(const Placement& placement, int clientWidth, int clientHeight) {
  return {placement.x.At(clientWidth), placement.y.At(clientHeight), placement.width.At(clientWidth),
          placement.height.At(clientHeight)};
}

}  // namespace glyphlog
