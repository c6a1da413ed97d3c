#pragma once
// The main window: the icon-usage table with each icon's picture, a button
// to save the list of icon names, and its size remembered between runs.

#include <windows.h>

#include "shell/Handles.h"
#include "shell/ProgramState.h"
#include "ui/Prompts.h"

namespace glyphlog {

class MainWindow {
 public:
  // Creates the window, not yet shown.
  MainWindow(ProgramState& state, Prompts& prompts);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Shows the window with its caption, remembered size, pictures and rows.
  void Open();
  // Runs the window's event loop until the user closes it.
  void RunUntilClosed();

  HWND handle() const { return window_.get(); }
  bool IsOpen() const { return static_cast<bool>(window_); }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool OnMessage(UINT message, WPARAM wParam);

  void SetCaption();
  void SetRememberedSize();
  void FillList();
  void CreateList();
  void LayOut();
  void FitLastColumn();
  void RememberSizeAndClose();

  SIZE ClientSizeInUnits() const;
  RECT ToPixels(int x, int y, int width, int height) const;

  ProgramState& state_;
  Prompts& prompts_;
  UniqueImageList pictures_;  // shared with the list, so it outlives the window
  UniqueWindow window_;
  HWND list_ = nullptr;
};

}  // namespace glyphlog
