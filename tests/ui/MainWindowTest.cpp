#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "shell/SettingsStore.h"
#include "support/TestFiles.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowLayout.h"

namespace glyphlog {
namespace {

using testing::CurrentFolderScope;
using testing::ReadBytes;
using testing::ScriptedPrompts;
using testing::TempFolder;
using testing::WriteBytes;

// A 32 by 32 icon file, solid red.
std::string RedIconFile() {
  constexpr int kSide = 32;
  std::string bytes;
  auto put16 = [&](int v) { bytes += {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)}; };
  auto put32 = [&](int v) {
    put16(v & 0xFFFF);
    put16((v >> 16) & 0xFFFF);
  };
  const int pixels = kSide * kSide * 4;
  const int mask = kSide * 4;
  put16(0), put16(1), put16(1);  // icon file with one image
  bytes += {static_cast<char>(kSide), static_cast<char>(kSide), 0, 0};
  put16(1), put16(32), put32(40 + pixels + mask), put32(22);
  put32(40), put32(kSide), put32(2 * kSide), put16(1), put16(32);
  for (int i = 0; i < 6; ++i) put32(0);
  for (int i = 0; i < kSide * kSide; ++i) bytes += {'\0', '\0', '\xFF', '\xFF'};  // blue, green, red, alpha
  bytes.append(static_cast<std::size_t>(mask), '\0');
  return bytes;
}

class MainWindowTest : public ::testing::Test {
 protected:
  void AddRows(int count, const std::string& iconFile = "missing.ico") {
    for (int i = 1; i <= count; ++i) {
      state.ICONQ.record = {};
      state.ICONQ.record.ICON = i == 1 ? iconFile : "C:\\Icons\\" + std::to_string(1000 + i) + ".ico";
      state.ICONQ.record.APPS = "App" + std::to_string(i);
      state.ICONQ.Append();
    }
  }

  void OpenWindow() {
    window.Open();
    ASSERT_TRUE(window.IsOpen());
  }

  RECT Pixels(int x, int y, int width, int height) const {
    RECT rect{x, y, x + width, y + height};
    ::MapDialogRect(window.handle(), &rect);
    return rect;
  }

  RECT ControlPlace(int field) const {
    const HWND control = ::GetDlgItem(window.handle(), field);
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, window.handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  // Resizes the window so that its client area is width x height units.
  void ResizeTo(int width, int height) {
    RECT frame = Pixels(0, 0, width, height);
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(window.handle(), GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(window.handle(), GWL_EXSTYLE)));
    ::SetWindowPos(window.handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                   SWP_NOMOVE | SWP_NOZORDER);
  }

  HWND List() const { return ::GetDlgItem(window.handle(), kList1); }

  std::string RememberedSize() const {
    return ReadSetting("WindowSettings", "H", "?") + "x" + ReadSetting("WindowSettings", "W", "?");
  }

  TempFolder folder;
  CurrentFolderScope current{folder.path()};
  ProgramState state;
  ScriptedPrompts prompts;
  MainWindow window{state, prompts};
};

struct CaptionCase {
  int rows;
  const char* redirectionFile;
  const char* caption;
};

class MainWindowCaptionTest : public MainWindowTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(MainWindowCaptionTest, CountsTheIconsAndNamesTheSettings) {
  AddRows(GetParam().rows);
  state.AppFolder = "C:\\Apps\\Billing";
  state.RedirFileName = GetParam().redirectionFile;
  OpenWindow();

  char caption[512]{};
  ::GetWindowTextA(window.handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, GetParam().caption);
  EXPECT_EQ(ListView_GetItemCount(List()), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MainWindowCaptionTest,
    ::testing::Values(CaptionCase{0, "C:\\Dev\\bin\\dev.red",
                                  "0 icons used in C:\\Apps\\Billing using C:\\Dev\\bin\\dev.red"},
                      CaptionCase{1, "C:\\Dev\\bin\\dev.red",
                                  "1 icons used in C:\\Apps\\Billing using C:\\Dev\\bin\\dev.red"},
                      CaptionCase{300, "C:\\Dev\\bin\\dev.red",
                                  "300 icons used in C:\\Apps\\Billing using C:\\Dev\\bin\\dev.red"},
                      CaptionCase{1, "", "1 icons used in C:\\Apps\\Billing using "}));

struct LayoutCase {
  int width, height;
  UnitRect list, save, close;
};

class MainWindowLayoutTest : public MainWindowTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(MainWindowLayoutTest, ControlsFollowTheWindowsSize) {
  OpenWindow();  // no settings file: 500 by 250
  const LayoutCase& c = GetParam();
  ResizeTo(c.width, c.height);

  for (const auto& [field, expected] :
       {std::pair{kList1, c.list}, {kSaveButton, c.save}, {kCloseButton, c.close}}) {
    const RECT wanted = Pixels(expected.x, expected.y, expected.width, expected.height);
    const RECT actual = ControlPlace(field);
    EXPECT_TRUE(::EqualRect(&wanted, &actual))
        << "field " << field << " at " << actual.left << "," << actual.top << " to " << actual.right << ","
        << actual.bottom;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, MainWindowLayoutTest,
    ::testing::Values(LayoutCase{500, 250, {2, 2, 496, 232}, {388, 236, 63, 12}, {453, 236, 45, 12}},
                      LayoutCase{523, 241, {2, 2, 519, 223}, {411, 227, 63, 12}, {476, 227, 45, 12}},
                      LayoutCase{700, 400, {2, 2, 696, 382}, {588, 386, 63, 12}, {653, 386, 45, 12}}));

TEST_F(MainWindowTest, OpensAtTheDefaultSizeLaidOut) {
  OpenWindow();
  const RECT wanted = Pixels(2, 2, 496, 232);
  const RECT actual = ControlPlace(kList1);
  EXPECT_TRUE(::EqualRect(&wanted, &actual));
}

TEST_F(MainWindowTest, ColumnsHaveCentredHeadersOverLeftAlignedData) {
  OpenWindow();
  const HWND header = ListView_GetHeader(List());
  for (int i = 0; i < 2; ++i) {
    HDITEMA item{};
    item.mask = HDI_FORMAT;
    ASSERT_TRUE(Header_GetItem(header, i, &item));
    EXPECT_EQ(item.fmt & HDF_JUSTIFYMASK, HDF_CENTER) << i;
    LVCOLUMNA column{};
    column.mask = LVCF_FMT;
    ASSERT_TRUE(ListView_GetColumn(List(), i, &column));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << i;
  }
}

// The first column keeps its design width; the last reaches the list's right
// edge, with or without a scroll bar, and keeps at least its design width.
TEST_F(MainWindowTest, LastColumnFillsTheListAtEverySize) {
  AddRows(300);
  OpenWindow();
  for (const SIZE size : {SIZE{500, 250}, SIZE{700, 300}, SIZE{200, 120}}) {
    ResizeTo(size.cx, size.cy);
    RECT client{};
    ::GetClientRect(List(), &client);
    const int first = ListView_GetColumnWidth(List(), 0);
    const int last = ListView_GetColumnWidth(List(), 1);
    EXPECT_EQ(first, Pixels(0, 0, 213, 0).right) << size.cx;
    EXPECT_EQ(last, std::max<LONG>(client.right - first, Pixels(0, 0, 20, 0).right)) << size.cx;
  }
}

// How the user may close the window; each must remember its size first.
enum class CloseBy { CloseBox, CloseButton, EscapeKey };

struct SizeCase {
  const char* settingsFile;       // nullptr: none
  int resizeWidth, resizeHeight;  // 0: the user leaves the size alone
  CloseBy closeBy;
  const char* remembered;  // "HxW"
};

class MainWindowSizeTest : public MainWindowTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(MainWindowSizeTest, RemembersItsSizeWhenClosed) {
  const SizeCase& c = GetParam();
  if (c.settingsFile) WriteBytes(folder / "glyphlog.ini", c.settingsFile);
  OpenWindow();
  if (c.resizeWidth) ResizeTo(c.resizeWidth, c.resizeHeight);

  const HWND handle = window.handle();
  switch (c.closeBy) {
    case CloseBy::CloseBox:
      ::PostMessageA(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
      break;
    case CloseBy::CloseButton:
      ::PostMessageA(::GetDlgItem(handle, kCloseButton), BM_CLICK, 0, 0);
      break;
    case CloseBy::EscapeKey:
      ::PostMessageA(List(), WM_KEYDOWN, VK_ESCAPE, 0);
      break;
  }
  window.RunUntilClosed();

  EXPECT_FALSE(window.IsOpen());
  EXPECT_FALSE(::IsWindow(handle));
  EXPECT_EQ(RememberedSize(), c.remembered);
}

INSTANTIATE_TEST_SUITE_P(Closing, MainWindowSizeTest,
                         ::testing::Values(SizeCase{nullptr, 0, 0, CloseBy::CloseBox, "250x500"},
                                           SizeCase{"[WindowSettings]\r\nH=263\r\nW=517\r\n", 0, 0,
                                                    CloseBy::CloseButton, "263x517"},
                                           SizeCase{"[WindowSettings]\r\nH= 301px\r\nW=611\r\n", 0, 0,
                                                    CloseBy::EscapeKey, "301x611"},
                                           SizeCase{nullptr, 640, 333, CloseBy::CloseBox, "333x640"}));

TEST_F(MainWindowTest, PicturesNumberTheFirst255Rows) {
  AddRows(300);
  OpenWindow();

  EXPECT_EQ(ListView_GetItemCount(List()), 300);
  EXPECT_EQ(ImageList_GetImageCount(ListView_GetImageList(List(), LVSIL_SMALL)), 255);
  for (int row = 1; row <= 300; ++row) {
    state.ICONQ.FetchAt(row);
    const int picture = row <= 255 ? row : 0;
    ASSERT_EQ(state.ICONQ.record.ICON_ICON, picture) << row;
    LVITEMA item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row - 1;
    ASSERT_TRUE(ListView_GetItem(List(), &item));
    if (picture) {
      EXPECT_EQ(item.iImage, picture - 1) << row;
    } else {
      EXPECT_LT(item.iImage, 0) << row;
    }
  }
}

// The colour at the middle of picture `index`, drawn on white.
COLORREF PictureMiddle(HIMAGELIST pictures, int index) {
  int side = 0, height = 0;
  ImageList_GetIconSize(pictures, &side, &height);
  const HDC screen = ::GetDC(nullptr);
  const HDC dc = ::CreateCompatibleDC(screen);
  const HBITMAP bitmap = ::CreateCompatibleBitmap(screen, side, height);
  ::ReleaseDC(nullptr, screen);
  const HGDIOBJ previous = ::SelectObject(dc, bitmap);
  ::PatBlt(dc, 0, 0, side, height, WHITENESS);
  ImageList_Draw(pictures, index, dc, 0, 0, ILD_NORMAL);
  const COLORREF colour = ::GetPixel(dc, side / 2, height / 2);
  ::SelectObject(dc, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(dc);
  return colour;
}

TEST_F(MainWindowTest, IconFilesBecomePicturesAndUnreadableOnesStillGetOne) {
  WriteBytes(folder / "red.ico", RedIconFile());
  AddRows(2, folder / "red.ico");  // row 2 names a file that does not exist
  OpenWindow();

  const HIMAGELIST pictures = ListView_GetImageList(List(), LVSIL_SMALL);
  ASSERT_EQ(ImageList_GetImageCount(pictures), 2);
  EXPECT_EQ(PictureMiddle(pictures, 0), RGB(255, 0, 0));
  EXPECT_NE(PictureMiddle(pictures, 1), RGB(255, 255, 255));
  state.ICONQ.FetchAt(2);
  EXPECT_EQ(state.ICONQ.record.ICON_ICON, 2);
}

TEST_F(MainWindowTest, DevicesAndNamesWithNulGetTheMissingPictureWithoutBeingOpened) {
  const std::string names[] = {"missing.ico", "CON.ico",  "\\\\.\\CON",
                               "NUL",         "COM1.ico", std::string("red.ico\0x", 9)};
  WriteBytes(folder / "red.ico", RedIconFile());
  for (const std::string& name : names) {
    state.ICONQ.record = {};
    state.ICONQ.record.ICON = name;
    state.ICONQ.Append();
  }
  OpenWindow();
  // Every row shows the same picture, and "red.ico" followed by a NUL is not red.ico.
  const HIMAGELIST pictures = ListView_GetImageList(List(), LVSIL_SMALL);
  ASSERT_EQ(ImageList_GetImageCount(pictures), 6);
  EXPECT_NE(PictureMiddle(pictures, 0), RGB(255, 0, 0));
  for (int i = 1; i < 6; ++i) EXPECT_EQ(PictureMiddle(pictures, i), PictureMiddle(pictures, 0)) << i;
}

TEST_F(MainWindowTest, RowsAre25UnitsHigh) {
  AddRows(2);
  OpenWindow();
  RECT row{};
  ASSERT_TRUE(ListView_GetItemRect(List(), 0, &row, LVIR_BOUNDS));
  EXPECT_EQ(row.bottom - row.top, Pixels(0, 0, 0, 25).bottom);
}

TEST_F(MainWindowTest, SaveButtonExportsAndTheWindowStaysOpen) {
  AddRows(2);
  OpenWindow();
  prompts.fileAnswer = folder / "Saved.txt";

  ::SendMessageA(::GetDlgItem(window.handle(), kSaveButton), BM_CLICK, 0, 0);

  EXPECT_EQ(ReadBytes(folder / "Saved.txt"), "missing.ico\r\nC:\\Icons\\1002.ico\r\n");
  EXPECT_TRUE(window.IsOpen());
}

}  // namespace
}  // namespace glyphlog
