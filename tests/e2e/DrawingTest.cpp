// What the owner-drawn lists put on the screen, read back from screenshots
// of the real window.
#include <algorithm>
#include <string>
#include <vector>

#include "BrowserTest.h"
#include "UserSetting.h"

namespace {

const int Row = 32;
const COLORREF White = RGB(255, 255, 255);
const COLORREF Gray = RGB(128, 128, 128);

bool IsDark(COLORREF colour) {
  return GetRValue(colour) + GetGValue(colour) + GetBValue(colour) < 3 * 96;
}

// The program's own icon, at a size in pixels, as it paints on white: what
// a row must show.
std::vector<COLORREF> IconOnWhite(const std::string& program, int id, int size) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HICON icon = static_cast<HICON>(
      LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  RECT all = {0, 0, size, size};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  DestroyIcon(icon);
  FreeLibrary(module);
  return pixels;
}

// One of the program's bitmaps, row by row.
std::vector<COLORREF> BitmapPixels(const std::string& program, int id, SIZE& size) {
  HMODULE module = LoadLibraryExA(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(id));
  BITMAP info;
  GetObjectA(bitmap, sizeof info, &info);
  size = {info.bmWidth, info.bmHeight};
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  std::vector<COLORREF> pixels;
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) pixels.push_back(GetPixel(dc, x, y));
  SelectObject(dc, previous);
  DeleteDC(dc);
  DeleteObject(bitmap);
  FreeLibrary(module);
  return pixels;
}

struct DrawingTest : BrowserTest {
  // The files of FourSounds are there: a missing one's row is grayed.
  DrawingTest() {
    for (const wchar_t* path :
         {L"f:\\SOUNDS\\BELL.WAV", L"f:\\SOUNDS\\R&B.WAV", L"f:\\SOUNDS\\RB.WAV",
          L"f:\\A VERY LONG FOLDER NAME\\AND ANOTHER VERY LONG ONE\\AND A THIRD\\THE SOUND.WAV"})
      Put(path);
  }

  // A list's client area within the window's screenshot.
  RECT ListArea(int id) const {
    HWND list = Control(id);
    POINT origin = {0, 0};
    ClientToScreen(list, &origin);
    RECT window = e2e::WindowRect(frame);
    SIZE size = e2e::ClientSize(list);
    LONG left = origin.x - window.left, top = origin.y - window.top;
    return {left, top, left + size.cx, top + size.cy};
  }

  // Pixels of the icon at (left, top) that differ from the icon as drawn on
  // white; the outermost ring is left out, where a dotted frame may lie.
  static int IconMismatches(const e2e::Screenshot& shot, int left, int top, int id,
                            int size = Row) {
    std::vector<COLORREF> icon = IconOnWhite(ProgramPath(), id, size);
    int mismatches = 0;
    for (int y = 1; y < size - 1; ++y)
      for (int x = 1; x < size - 1; ++x)
        mismatches += shot.Pixel(left + x, top + y) != icon[y * size + x];
    return mismatches;
  }

  static int DarkPixels(const e2e::Screenshot& shot, int left, int top, int right, int bottom) {
    int dark = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = left; x < right; ++x) dark += IsDark(shot.Pixel(x, y));
    return dark;
  }

  RECT ButtonArea(int id) const {
    RECT button = e2e::WindowRect(Control(id)), window = e2e::WindowRect(frame);
    OffsetRect(&button, -window.left, -window.top);
    return button;
  }

  // Where the button's image differs from the bitmap, apart from the ring
  // 4 pixels inside its edge where the focus mark goes, and on that ring.
  struct ButtonDifferences {
    int image = 0, ring = 0;
  };
  ButtonDifferences CompareButton(const e2e::Screenshot& shot, int id, int bitmapId) const {
    SIZE size;
    std::vector<COLORREF> bitmap = BitmapPixels(ProgramPath(), bitmapId, size);
    RECT button = ButtonArea(id);
    int width = button.right - button.left, height = button.bottom - button.top;
    int left = (width - size.cx) / 2, top = (height - size.cy) / 2;
    ButtonDifferences differences;
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x) {
        int bx = left + x, by = top + y;  // within the button
        bool onRing = (bx == 4 || bx == width - 5) && by >= 4 && by <= height - 5;
        onRing = onRing || ((by == 4 || by == height - 5) && bx >= 4 && bx <= width - 5);
        bool differs = shot.Pixel(button.left + bx, button.top + by) != bitmap[y * size.cx + x];
        (onRing ? differences.ring : differences.image) += differs;
      }
    return differences;
  }

  // The ids of the controls that show but do not lie wholly inside the
  // window's client area, which the dialog fills, or overlap another that
  // shows.
  std::vector<int> Misplaced() const {
    std::vector<HWND> shown;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
      if (IsWindowVisible(child)) shown.push_back(child);
    std::vector<int> misplaced;
    for (HWND control : shown) {
      const RECT area = e2e::WindowRect(control);
      const bool overlaps = std::any_of(shown.begin(), shown.end(), [&](HWND other) {
        RECT rect = e2e::WindowRect(other), both;
        return other != control && IntersectRect(&both, &area, &rect);
      });
      if (overlaps || !e2e::Shows(control)) misplaced.push_back(GetDlgCtrlID(control));
    }
    return misplaced;
  }

  // The keyboard focus moves to the control, as Tab would take it there.
  void FocusOn(int id) {
    PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Control(id)), TRUE);
    ASSERT_TRUE(e2e::Settle(frame));
    ASSERT_EQ(e2e::FocusWindow(nullptr), Control(id));
  }

  void ClickInto(int id, int x, int y) {
    PostMessageA(Control(id), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    PostMessageA(Control(id), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    ASSERT_TRUE(e2e::Settle(frame));
  }
};

TEST_F(DrawingTest, EachEventRowShowsItsOwnIconAtItsLeftAndTop) {
  Start();
  FocusOn(IDCANCEL);  // the first focus, on the events list, frames a row
  HWND list = Control(IDC_EVENT_LIST);
  EXPECT_EQ(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0), Row);
  RECT area = ListArea(IDC_EVENT_LIST);
  int visible = (area.bottom - area.top) / Row;
  ASSERT_GT(visible, 0);
  for (int top : {0, EventCount - visible}) {
    SendMessageA(list, LB_SETTOPINDEX, top, 0);
    ASSERT_TRUE(e2e::Settle(frame));
    e2e::Screenshot shot(frame);
    for (int row = 0; row < visible; ++row)
      EXPECT_EQ(IconMismatches(shot, area.left, area.top + row * Row, top + row + 1), 0)
          << "the row of event " << top + row + 1;
  }
}

TEST_F(DrawingTest, TheSelectedEventHasADottedFrameAcrossItsRowAndNoHighlight) {
  Start();
  e2e::SelectListEntry(Control(IDC_EVENT_LIST), 2);
  ASSERT_TRUE(e2e::Settle(frame));
  e2e::Screenshot shot(frame);
  RECT area = ListArea(IDC_EVENT_LIST);
  int top = area.top + 2 * Row, bottom = top + Row - 1, right = area.right - 1;

  // Dotted: about every other pixel of each edge is dark, beyond the icon too.
  int width = right - area.left - Row;
  EXPECT_NEAR(DarkPixels(shot, area.left + Row, top, right, top + 1), width / 2, 2);
  EXPECT_NEAR(DarkPixels(shot, area.left + Row, bottom, right, bottom + 1), width / 2, 2);
  EXPECT_NEAR(DarkPixels(shot, right, top, right + 1, bottom), Row / 2, 2);
  // White inside the frame beside the icon, and no highlight colour anywhere.
  EXPECT_EQ(DarkPixels(shot, area.left + Row, top + 1, right, bottom), 0);
  COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
  for (int y = top; y <= bottom; ++y)
    for (int x = area.left; x <= right; ++x)
      ASSERT_NE(shot.Pixel(x, y), highlight) << x << "," << y;
  // The first event, no longer selected, has lost its frame.
  EXPECT_EQ(DarkPixels(shot, area.left + Row, area.top, right, area.top + 1), 0);
  SaveScreenshot("event-selected");
}

const char FourSounds[] =
    "[1]\r\n1=f:\\SOUNDS\\BELL.WAV\r\n2=f:\\SOUNDS\\R&B.WAV\r\n3=f:\\SOUNDS\\RB.WAV\r\n"
    "4=f:\\A VERY LONG FOLDER NAME\\AND ANOTHER VERY LONG ONE\\AND A THIRD\\THE SOUND.WAV\r\n";

TEST_F(DrawingTest, SoundRowsAreOneIconHighWithTheSoundIconAndThePath) {
  Start(FourSounds);
  EXPECT_EQ(SendMessageA(Control(IDC_ASSOCIATED_LIST), LB_GETITEMHEIGHT, 0, 0), Row);
  e2e::Screenshot shot(frame);
  RECT area = ListArea(IDC_ASSOCIATED_LIST);
  for (int row = 0; row < 4; ++row) {
    int top = area.top + row * Row;
    EXPECT_EQ(IconMismatches(shot, area.left, top, 1001), 0) << "row " << row;
    EXPECT_GT(DarkPixels(shot, area.left + Row, top, area.right, top + Row / 2), 20)
        << "row " << row;
  }
  EXPECT_EQ(DarkPixels(shot, area.left, area.top + 4 * Row, area.right, area.bottom), 0);
  SaveScreenshot("sounds");

  // A file that is gone grays its row when its event is shown, and only
  // its row; its text stays the path. Back, it looks as the others do.
  for (bool gone : {true, false}) {
    if (gone)
      DeleteFileA("f:\\SOUNDS\\BELL.WAV");
    else
      Put(L"f:\\SOUNDS\\BELL.WAV");
    ASSERT_TRUE(e2e::SelectListEntry(Control(IDC_EVENT_LIST), 0));
    ASSERT_TRUE(e2e::Settle(frame));
    // Whether a file is there is found out off the window's thread.
    EXPECT_TRUE(e2e::WaitUntil(
        [&] { return (IconMismatches(e2e::Screenshot(frame), area.left, area.top, 1001) > 0) == gone; },
        5000));
    e2e::Screenshot now(frame);
    EXPECT_EQ(IconMismatches(now, area.left, area.top + Row, 1001), 0);
    EXPECT_EQ(e2e::ListStrings(Control(IDC_ASSOCIATED_LIST))[0], "f:\\SOUNDS\\BELL.WAV");
    if (gone) SaveScreenshot("missing-sound");
  }
}

TEST_F(DrawingTest, ALongPathIsCutAtTheRightEdgeOnOneLine) {
  Start(FourSounds);
  e2e::Screenshot shot(frame);
  RECT area = ListArea(IDC_ASSOCIATED_LIST);
  int top = area.top + 3 * Row;
  EXPECT_GT(DarkPixels(shot, area.right - 12, top, area.right, top + Row / 2), 0);
  EXPECT_EQ(DarkPixels(shot, area.left + Row, top + Row / 2, area.right, top + Row), 0);
}

TEST_F(DrawingTest, AnAmpersandIsHiddenAndUnderlinesTheNextCharacter) {
  Start(FourSounds);
  e2e::Screenshot shot(frame);
  RECT area = ListArea(IDC_ASSOCIATED_LIST);
  // "R&B" against "RB": the same glyphs, plus one underline.
  int withAmpersand = area.top + Row, without = area.top + 2 * Row;
  std::vector<POINT> differences;
  for (int y = 0; y < Row; ++y)
    for (int x = area.left + Row; x < area.right; ++x)
      if (shot.Pixel(x, withAmpersand + y) != shot.Pixel(x, without + y)) {
        differences.push_back({x, y});
        EXPECT_TRUE(IsDark(shot.Pixel(x, withAmpersand + y))) << x << "," << y;
      }
  ASSERT_GE(differences.size(), 3u);
  for (const POINT& point : differences)
    EXPECT_EQ(point.y, differences.front().y) << "not one line";
  EXPECT_EQ(differences.back().x - differences.front().x + 1, static_cast<LONG>(differences.size()))
      << "the underline has gaps";
}

// Wine's list box reports the focus only in separate focus requests, so a
// selected row is painted without it: the rule for a focused row is tested
// in-process (SoundRowDrawingTest); here, a selected row of a list without
// the focus.
TEST_F(DrawingTest, ASelectedSoundTurnsGrayWhenItsListLosesTheFocus) {
  Start(FourSounds);
  ClickInto(IDC_ASSOCIATED_LIST, Row + 8, 8);
  ASSERT_EQ(e2e::ListSelection(Control(IDC_ASSOCIATED_LIST)), 0);
  ASSERT_EQ(e2e::FocusWindow(nullptr), Control(IDC_ASSOCIATED_LIST));
  SaveScreenshot("sound-selected-focused");
  PostMessageA(dialog, WM_NEXTDLGCTL, 0, FALSE);
  ASSERT_TRUE(e2e::Settle(frame));
  ASSERT_NE(e2e::FocusWindow(nullptr), Control(IDC_ASSOCIATED_LIST));
  InvalidateRect(Control(IDC_ASSOCIATED_LIST), nullptr, TRUE);
  ASSERT_TRUE(e2e::Settle(frame));

  e2e::Screenshot shot(frame);
  RECT area = ListArea(IDC_ASSOCIATED_LIST);
  int right = area.right - 1;
  EXPECT_EQ(shot.Pixel(right - 4, area.top + Row - 6), Gray);
  EXPECT_EQ(shot.Pixel(right - 4, area.top + Row + 6), White) << "the next row";
  SaveScreenshot("sound-selected-unfocused");
}

TEST_F(DrawingTest, BitmapButtonsShowTheirImageAndTheFocusedOneItsMark) {
  Start();
  FocusOn(IDCANCEL);
  e2e::Screenshot shot(frame);
  ButtonDifferences save = CompareButton(shot, IDC_SAVE, 1109);
  EXPECT_EQ(save.image + save.ring, 0);
  ButtonDifferences files = CompareButton(shot, IDC_FILES, 1103);
  EXPECT_EQ(files.image + files.ring, 0);
  ButtonDifferences cancel = CompareButton(shot, IDCANCEL, 1002);
  EXPECT_EQ(cancel.image, 0);
  EXPECT_GT(cancel.ring, 20) << "no focus mark";
}

TEST_F(DrawingTest, APressedButtonShowsItsPressedImage) {
  Start();
  HWND save = Control(IDC_SAVE);
  PostMessageA(save, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
  ASSERT_TRUE(e2e::Settle(frame));
  ButtonDifferences pressed = CompareButton(e2e::Screenshot(frame), IDC_SAVE, 3109);
  EXPECT_EQ(pressed.image, 0);
  EXPECT_GT(pressed.ring, 20) << "pressing gives the button the focus";
  SaveScreenshot("save-pressed");
  PostMessageA(save, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  ASSERT_TRUE(e2e::Settle(frame));
  EXPECT_EQ(CompareButton(e2e::Screenshot(frame), IDC_SAVE, 1109).image, 0);
}

TEST_F(DrawingTest, TheFaceAndTheLabelsAreGray) {
  Start();
  const COLORREF face = RGB(192, 192, 192);
  e2e::Screenshot shot(frame);
  POINT corner = {2, 2};
  ClientToScreen(dialog, &corner);
  RECT window = e2e::WindowRect(frame);
  EXPECT_EQ(shot.Pixel(corner.x - window.left, corner.y - window.top), face);
  for (const char* text : {"System Events", "Associated Sounds"}) {
    HWND label = FindWindowExA(dialog, nullptr, "Static", text);
    ASSERT_NE(label, nullptr) << text;
    RECT area = e2e::WindowRect(label);
    OffsetRect(&area, -window.left, -window.top);
    EXPECT_GT(DarkPixels(shot, area.left, area.top, area.right, area.bottom), 20) << text;
    EXPECT_EQ(shot.Pixel(area.right - 2, area.bottom - 2), face) << text;
  }
}

// At each display scale the rows and the icons, drawn for that scale, grow
// with it, and the frame with the dialog's units; it starts as it is
// folded. Whatever shows lies inside the window, clear of all else that
// shows, with the browser open and folded away again.
TEST_F(DrawingTest, AtEachDisplayScaleTheWindowHoldsWhatItShowsAndEachRowItsIcon) {
  const struct {
    DWORD dpi;
    int row, narrow, wide, height;
    const char* screenshot;
  } scales[] = {{96, 32, 418, 731, 388, "widened"},
                {120, 40, 476, 834, 448, "display-scale-125"},
                {144, 48, 595, 1042, 565, "display-scale-150"},
                {192, 64, 769, 1351, 712, "display-scale-200"}};
  for (const wchar_t* file : {L"f:\\bell.wav", L"f:\\chimes\\ding.wav", L"f:\\chimes\\dong.wav"})
    Put(file);
  for (const auto& scale : scales) {
    SCOPED_TRACE(scale.dpi);
    UserSetting logPixels("Control Panel\\Desktop", "LogPixels", scale.dpi);
    Start(FourSounds);
    const SIZE first = FrameSize();
    EXPECT_EQ(first.cx, scale.narrow);
    EXPECT_EQ(first.cy, scale.height);
    FocusOn(IDCANCEL);  // the focus frame would cross the first event's icon
    e2e::Screenshot shot(frame);
    const RECT events = ListArea(IDC_EVENT_LIST), sounds = ListArea(IDC_ASSOCIATED_LIST);
    for (int row = 0; row < 4; ++row) {
      EXPECT_EQ(IconMismatches(shot, events.left, events.top + row * scale.row, row + 1, scale.row),
                0)
          << "the row of event " << row + 1;
      EXPECT_EQ(
          IconMismatches(shot, sounds.left, sounds.top + row * scale.row, IDI_SOUND, scale.row), 0)
          << "sound " << row;
    }
    EXPECT_EQ(Misplaced(), std::vector<int>{});
    ClickFiles();
    EXPECT_EQ(FrameSize().cx, scale.wide);
    EXPECT_EQ(FrameSize().cy, scale.height);
    EXPECT_EQ(Misplaced(), std::vector<int>{}) << "the browser open";
    SaveScreenshot(scale.screenshot);
    ClickFiles();
    EXPECT_EQ(FrameSize().cx, first.cx) << "folded as it started";
    EXPECT_EQ(FrameSize().cy, first.cy) << "folded as it started";
    EXPECT_EQ(Misplaced(), std::vector<int>{}) << "the browser folded";
  }
}

// A white-on-black scheme: right of the icons, each row and the rest of the
// list lie on the window colour, and the paths are in the window-text
// colour, their edges smoothed in grays between the two, never in colour.
TEST_F(DrawingTest, InHighContrastTheListsTakeTheUsersColours) {
  const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
  UserSetting window("Control Panel\\Colors", "Window", "0 0 0");
  UserSetting windowText("Control Panel\\Colors", "WindowText", "255 255 255");
  Start(FourSounds);
  e2e::Screenshot shot(frame);
  for (int id : {IDC_EVENT_LIST, IDC_ASSOCIATED_LIST}) {
    const RECT area = ListArea(id);
    for (int top = area.top; top < area.bottom; top += Row) {
      int pixels = 0, onWindow = 0, written = 0, coloured = 0;
      for (int y = top; y < std::min<int>(top + Row, area.bottom); ++y)
        for (int x = area.left + Row; x < area.right; ++x) {
          const COLORREF pixel = shot.Pixel(x, y);
          ++pixels;
          onWindow += pixel == black;
          written += pixel == white;
          coloured += GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel);
        }
      const int row = (top - area.top) / Row;
      EXPECT_GT(onWindow, pixels * 3 / 4) << "list " << id << ", row " << row;
      EXPECT_EQ(coloured, 0) << "list " << id << ", row " << row;
      if (id == IDC_ASSOCIATED_LIST && row < 4) {
        EXPECT_GT(written, 20) << "the path of sound " << row;
      }
    }
  }
  SaveScreenshot("high-contrast");
}

TEST_F(DrawingTest, AMissingIconEndsTheProgramWithAGdiFailure) {
  Launch("", ProgramPath("chimelo-without-icon.exe"));
  HWND box = e2e::WaitForMessageBox(chimelo->Id(), "Exception", "GDI failure", 30000);
  ASSERT_NE(box, nullptr);
  ASSERT_TRUE(e2e::AnswerMessageBox(box, IDOK));
  ASSERT_TRUE(chimelo->WaitForExit(15000));
  EXPECT_EQ(static_cast<int>(chimelo->ExitCode()), -1);
}

}  // namespace
