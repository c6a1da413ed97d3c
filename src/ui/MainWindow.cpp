#include "ui/MainWindow.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "shell/DecimalText.h"
#include "shell/SettingsStore.h"
#include "ui/DialogTemplate.h"
#include "ui/IconListExport.h"
#include "ui/IconPictures.h"
#include "ui/MainWindowLayout.h"

namespace glyphlog {
namespace {

constexpr DWORD kFrameStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;

constexpr std::array<ControlDescription, 2> kButtons{{
    {ControlClass::Button, kSaveButton, "&Save Icon List", kButtonStyle, 410, 226, kSaveButtonWidth,
     kButtonHeight},
    {ControlClass::Button, kCloseButton, "&Close", kButtonStyle, 476, 226, kCloseButtonWidth, kButtonHeight},
}};

// The list is not one of the classes a template can name by number, so it
// is made when the window is, at its design place and first in the tab order.
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | LVS_REPORT |
                             LVS_SINGLESEL | LVS_SHAREIMAGELISTS;
constexpr UnitRect kListDesign{3, 3, 517, 219};

struct ColumnDesign {
  const char* header;
  int width;  // dialog units
};
constexpr std::array<ColumnDesign, 2> kColumns{{{"Icon", 213}, {"Apps Where Used", 20}}};

constexpr int kRowHeight = 25;            // dialog units
constexpr std::size_t kShownChars = 255;  // of each text in the list

constexpr const char* kSizeSection = "WindowSettings";

std::string ShownText(std::string_view field) {
  return std::string(WithoutTrailingBlanks(field.substr(0, kShownChars)));
}

}  // namespace

MainWindow::MainWindow(ProgramState& state, Prompts& prompts) : state_(state), prompts_(prompts) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  const std::vector<WORD> design = BuildDialogTemplate(
      {"Caption", kFrameStyle, kDesignWidth, kDesignHeight, "MS Sans Serif", 8, kButtons});
  // The window takes its owner at WM_INITDIALOG; a creation that fails after
  // that has destroyed it already.
  if (!::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr),
                                    reinterpret_cast<const DLGTEMPLATE*>(design.data()), nullptr, DialogProc,
                                    reinterpret_cast<LPARAM>(this))) {
    window_.release();
  }
}

INT_PTR CALLBACK MainWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    auto* self = reinterpret_cast<MainWindow*>(lParam);
    self->window_.reset(window);
    self->CreateList();
    self->LayOut();
    return TRUE;
  }
  auto* self = reinterpret_cast<MainWindow*>(::GetWindowLongPtrA(window, DWLP_USER));
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
    self->window_.release();
    return FALSE;
  }
  return self->OnMessage(message, wParam) ? TRUE : FALSE;
}

bool MainWindow::OnMessage(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) LayOut();
      return true;
    case WM_CLOSE:
      RememberSizeAndClose();
      return true;
    case WM_COMMAND:
      if (LOWORD(wParam) == kCloseButton) {
        RememberSizeAndClose();
      } else if (LOWORD(wParam) == kSaveButton && HIWORD(wParam) == BN_CLICKED) {
        ExportIconList(state_, prompts_);
      }
      return true;
    default:
      return false;
  }
}

void MainWindow::Open() {
  ::ShowWindow(window_.get(), SW_SHOW);
  SetCaption();
  SetRememberedSize();
  FillList();
}

void MainWindow::RunUntilClosed() {
  MSG message{};
  while (window_) {
    const BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // Someone asked the whole program to end: leave that request for the loop above ours.
      if (got == 0) ::PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    if (!::IsDialogMessageA(window_.get(), &message)) {
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
  }
}

void MainWindow::SetCaption() {
  const std::string caption = std::to_string(state_.ICONQ.RowCount()) + " icons used in " +
                              state_.AppFolder.Str() + " using " + state_.RedirFileName.Str();
  ::SetWindowTextA(window_.get(), caption.c_str());
}

void MainWindow::SetRememberedSize() {
  const int height = DecimalValue(ReadSetting(kSizeSection, "H", "250"));
  const int width = DecimalValue(ReadSetting(kSizeSection, "W", "500"));
  RECT frame = ToPixels(0, 0, width, height);
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(window_.get(), GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrA(window_.get(), GWL_EXSTYLE)));
  const int frameWidth = frame.right - frame.left;
  const int frameHeight = frame.bottom - frame.top;

  // Centred on its screen, but never with the caption out of reach.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(window_.get(), MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const int x = std::max(work.left, work.left + (work.right - work.left - frameWidth) / 2);
  const int y = std::max(work.top, work.top + (work.bottom - work.top - frameHeight) / 2);
  ::SetWindowPos(window_.get(), nullptr, x, y, frameWidth, frameHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::FillList() {
  // The pictures' height sets the height of every row; the list adds one
  // pixel between rows.
  pictures_ = LoadIconPictures(state_.ICONQ, ToPixels(0, 0, 0, kRowHeight).bottom - 1);
  ListView_SetImageList(list_, pictures_.get(), LVSIL_SMALL);

  // One repaint for the whole table rather than one per row.
  ::SendMessageA(list_, WM_SETREDRAW, FALSE, 0);
  const std::int32_t rows = state_.ICONQ.RowCount();
  for (std::int32_t row = 1; row <= rows; ++row) {
    state_.ICONQ.FetchAt(row);
    std::string icon = ShownText(state_.ICONQ.record.ICON.View());
    std::string apps = ShownText(state_.ICONQ.record.APPS.View());
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iItem = row - 1;
    item.pszText = icon.data();
    item.iImage = ImageIndexFor(state_.ICONQ.record.ICON_ICON);
    const int index = ListView_InsertItem(list_, &item);
    ListView_SetItemText(list_, index, 1, apps.data());
  }
  ::SendMessageA(list_, WM_SETREDRAW, TRUE, 0);
  FitLastColumn();  // the rows may have brought a scroll bar
  ::InvalidateRect(list_, nullptr, TRUE);
}

void MainWindow::CreateList() {
  const RECT place = ToPixels(kListDesign.x, kListDesign.y, kListDesign.width, kListDesign.height);
  list_ = ::CreateWindowExA(0, WC_LISTVIEWA, "", kListStyle, place.left, place.top, place.right - place.left,
                            place.bottom - place.top, window_.get(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kList1)),
                            ::GetModuleHandleA(nullptr), nullptr);
  ::SetWindowPos(list_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ::SendMessageA(list_, WM_SETFONT, ::SendMessageA(window_.get(), WM_GETFONT, 0, 0), FALSE);

  const HWND header = ListView_GetHeader(list_);
  for (int i = 0; i < static_cast<int>(kColumns.size()); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = ToPixels(0, 0, kColumns[i].width, 0).right;
    column.pszText = const_cast<char*>(kColumns[i].header);
    column.iSubItem = i;
    ListView_InsertColumn(list_, i, &column);
    // Headers centred over data that stays left-aligned.
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, i, &item);
    item.fmt = (item.fmt & ~HDF_JUSTIFYMASK) | HDF_CENTER;
    Header_SetItem(header, i, &item);
  }
}

void MainWindow::LayOut() {
  const SIZE client = ClientSizeInUnits();
  for (const Placement& placement : kMainWindowLayout) {
    const UnitRect place = Place(placement, client.cx, client.cy);
    const RECT pixels = ToPixels(place.x, place.y, place.width, place.height);
    ::SetWindowPos(::GetDlgItem(window_.get(), placement.field), nullptr, pixels.left, pixels.top,
                   pixels.right - pixels.left, pixels.bottom - pixels.top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitLastColumn();
}

// The last column's design width shows hardly a name; it takes the room up
// to the list's right edge instead, and never less than its design width.
void MainWindow::FitLastColumn() {
  const int last = static_cast<int>(kColumns.size()) - 1;
  RECT client{};
  ::GetClientRect(list_, &client);
  LONG room = client.right;
  for (int i = 0; i < last; ++i) room -= ListView_GetColumnWidth(list_, i);
  ListView_SetColumnWidth(list_, last, std::max(room, ToPixels(0, 0, kColumns[last].width, 0).right));
}

void MainWindow::RememberSizeAndClose() {
  const SIZE client = ClientSizeInUnits();
  WriteSetting(kSizeSection, "H", std::to_string(client.cy));
  WriteSetting(kSizeSection, "W", std::to_string(client.cx));
  window_.reset();
}

// Pixels back to units with the same rounding the dialog manager uses the
// other way, so a size read, applied and written again comes back unchanged.
SIZE MainWindow::ClientSizeInUnits() const {
  const RECT base = ToPixels(0, 0, 4, 8);
  RECT client{};
  ::GetClientRect(window_.get(), &client);
  return {::MulDiv(client.right, 4, base.right), ::MulDiv(client.bottom, 8, base.bottom)};
}

RECT MainWindow::ToPixels(int x, int y, int width, int height) const {
  RECT rect{x, y, x + width, y + height};
  ::MapDialogRect(window_.get(), &rect);
  return rect;
}

}  // namespace glyphlog
