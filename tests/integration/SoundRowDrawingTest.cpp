// The associated-sounds list's paint requests, fed to the real dialog with
// the item states given directly and painted with real GDI into a bitmap.
// End to end this cannot be seen for every state: Wine's list box reports
// the focus only in separate focus requests, never with a selected row.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "dialog/ChimeloDialog.h"
#include "platform/Application.h"
#include "resources/ResourceIds.h"
#include "tests/support/ScratchDirectory.h"

namespace {

const COLORREF White = RGB(255, 255, 255);

struct SoundRowDrawingTest : ::testing::Test {
  ScratchDirectory directory;
  TChimeloDialog* dialog = nullptr;
  HWND list = nullptr;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  int width = 0;

  void SetUp() override {
    Startup = {GetModuleHandleA(nullptr), "", SW_SHOWNORMAL};
    dialog = new TChimeloDialog(nullptr, IDD_CHIMELO, nullptr);
    dialog->Create();
    list = GetDlgItem(dialog->GetHandle(), IDC_ASSOCIATED_LIST);
    RECT client;
    GetClientRect(list, &client);
    width = client.right;
    HDC screen = GetDC(nullptr);
    dc = CreateCompatibleDC(screen);
    bitmap = CreateCompatibleBitmap(screen, width, 32);
    ReleaseDC(nullptr, screen);
    previous = SelectObject(dc, bitmap);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
  }

  void TearDown() override {
    SelectObject(dc, previous);
    DeleteObject(bitmap);
    DeleteDC(dc);
    delete dialog;
  }

  void Paint(UINT action, UINT state, const char* path) {
    RECT all = {0, 0, width, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DRAWITEMSTRUCT draw = {ODT_LISTBOX,
                           IDC_ASSOCIATED_LIST,
                           0,
                           action,
                           state,
                           list,
                           dc,
                           all,
                           reinterpret_cast<ULONG_PTR>(path)};
    SendMessageA(dialog->GetHandle(), WM_DRAWITEM, IDC_ASSOCIATED_LIST,
                 reinterpret_cast<LPARAM>(&draw));
  }

  std::vector<COLORREF> Pixels() const {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(dc, x, y));
    return pixels;
  }

  // Pixels of a column that differ from the colour given: a dotted frame
  // inverts every other one.
  int MarkedIn(int x, int y0, int y1, COLORREF ground) const {
    int marked = 0;
    for (int y = y0; y <= y1; ++y) marked += GetPixel(dc, x, y) != ground;
    return marked;
  }
};

// The selection's frame goes around the path; the focus frame, inside the
// row's edge, across the whole row: where both mark one row, both show.
TEST_F(SoundRowDrawingTest, ASelectedRowIsGrayOnlyWithoutTheFocusAndFocusAndSelectionBothShow) {
  Paint(ODA_DRAWENTIRE, 0, "C:\\A.WAV");
  const std::vector<COLORREF> plain = Pixels();
  const COLORREF gray = GetSysColor(COLOR_INACTIVECAPTION);
  struct Case {
    UINT state;
    COLORREF ground;
    bool selectionFrame, focusFrame;
  } cases[] = {
      {0, White, false, false},
      {ODS_SELECTED, gray, true, false},
      {ODS_SELECTED | ODS_FOCUS, White, true, true},
      {ODS_FOCUS, White, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    Paint(ODA_DRAWENTIRE, c.state, "C:\\A.WAV");
    EXPECT_EQ(GetPixel(dc, width - 6, 26), c.ground);
    // From 32 pixels in to the right edge, below the text as well.
    EXPECT_EQ(MarkedIn(width - 1, 1, 30, c.ground) > 10, c.selectionFrame);
    EXPECT_EQ(MarkedIn(32, 16, 30, c.ground) > 4, c.selectionFrame);
    EXPECT_EQ(MarkedIn(width - 3, 3, 28, c.ground) > 10, c.focusFrame);
    // No frame over the icon but the focus: on white it is as on a plain row.
    if (c.ground != White || c.focusFrame) continue;
    std::vector<COLORREF> now = Pixels();
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        ASSERT_EQ(now[y * width + x], plain[y * width + x]) << x << "," << y;
  }
}

TEST_F(SoundRowDrawingTest, AFocusChangeTogglesAFrameAcrossTheWholeRowWithoutReadingTheRow) {
  Paint(ODA_FOCUS, ODS_FOCUS, nullptr);  // an empty list's focus request has no path
  EXPECT_NEAR(MarkedIn(2, 2, 29, White), 14, 2);
  EXPECT_NEAR(MarkedIn(width - 3, 2, 29, White), 14, 2);
  EXPECT_EQ(MarkedIn(0, 0, 31, White), 0) << "inside the row's edge";
  EXPECT_EQ(GetPixel(dc, width / 2, 16), White) << "nothing but the frame";
}

}  // namespace
