// The windows at the screen's density: every rectangle of the design is its 96-dpi size
// times dpi/96 (within a pixel of rounding), and the texts are drawn at their point sizes.
// Run once more with Wine at 144 dpi (see tests/CMakeLists.txt).
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "tests/Harness.h"

using harness::Program;

namespace {

int Dpi() {
  HDC screen = ::GetDC(nullptr);
  int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi;
}

int Scaled(int pixels96) { return static_cast<int>(std::lround(pixels96 * Dpi() / 96.0)); }

int Height(float points) { return -static_cast<int>(std::lround(points * Dpi() / 72.0f)); }

void ExpectScaled(const RECT& at96, const RECT& actual, const char* what) {
  EXPECT_NEAR(Scaled(at96.left), actual.left, 1) << what;
  EXPECT_NEAR(Scaled(at96.top), actual.top, 1) << what;
  EXPECT_NEAR(Scaled(at96.right), actual.right - actual.left, 1) << what;
  EXPECT_NEAR(Scaled(at96.bottom), actual.bottom - actual.top, 1) << what;
}

RECT ClientOnScreen(HWND window) {
  RECT r = harness::ClientRect(window);
  ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

TEST(Dpi, TheDensityIsTheOneAskedFor) {
  char expected[8] = {};
  if (::GetEnvironmentVariableA("VARNELO_EXPECT_DPI", expected, sizeof expected)) {
    EXPECT_EQ(std::atoi(expected), Dpi());
  }
  EXPECT_GE(Dpi(), 96);
}

TEST(Dpi, MainWindowControlsScaleWithTheDensity) {
  Program program;
  // Left, top, width and height at 96 dpi.
  const std::pair<int, RECT> controls[] = {
      {fMain::ID_cboFonts, {15, 33, 193, 21}},     {fMain::ID_lblPreview, {242, 32, 200, 50}},
      {fMain::ID_txtSymbol, {14, 256, 430, 89}},   {fMain::ID_chkBold, {15, 109, 66, 24}},
      {fMain::ID_chkStrikeOut, {91, 129, 66, 24}}, {fMain::ID_cboSize, {15, 82, 113, 21}},
      {fMain::ID_lblKeycode, {243, 199, 200, 44}}, {fMain::ID_ListChars, {242, 104, 200, 74}},
      {fMain::ID_cmdCopy, {15, 195, 151, 38}},     {fMain::ID_lblnumfonts, {15, 157, 224, 26}},
      {fMain::ID_cmdAbout, {14, 350, 176, 48}},    {fMain::ID_cmdHelp, {195, 350, 64, 48}},
      {fMain::ID_cmdVisit, {264, 350, 180, 48}},
  };
  for (const auto& [id, at96] : controls)
    ExpectScaled(at96, harness::RectInParent(program[id]), std::to_string(id).c_str());

  RECT client = harness::ClientRect(program.window());
  EXPECT_NEAR(Scaled(478), client.right, 1);
  EXPECT_NEAR(Scaled(423), client.bottom, 1);
  RECT panel = harness::ScreenRect(program[fMain::ID_picInterface]);
  EXPECT_NEAR(Scaled(468), panel.right - panel.left, 1);

  // The button row still ends exactly at the Symbol View's right edge, with equal tops.
  RECT view = harness::RectInParent(program[fMain::ID_txtSymbol]);
  RECT about = harness::RectInParent(program[fMain::ID_cmdAbout]);
  RECT visit = harness::RectInParent(program[fMain::ID_cmdVisit]);
  RECT help = harness::RectInParent(program[fMain::ID_cmdHelp]);
  EXPECT_EQ(view.left, about.left);
  EXPECT_NEAR(view.right, visit.right, 1);
  EXPECT_EQ(about.top, help.top);
  EXPECT_EQ(help.top, visit.top);

  // The column fills the list as at 96 dpi.
  EXPECT_NEAR(
      Scaled(180),
      ::SendMessageA(program[fMain::ID_ListChars], 0x1000 + 29 /* LVM_GETCOLUMNWIDTH */, 0, 0), 1);
}

TEST(Dpi, TextsAreDrawnAtTheirPointSizes) {
  Program program;
  EXPECT_EQ(Height(9.75f), harness::FontOf(program[fMain::ID_lblControls0]).lfHeight);
  EXPECT_EQ(Height(9.75f), harness::FontOf(program[fMain::ID_cmdCopy]).lfHeight);
  EXPECT_EQ(Height(21.75f), harness::FontOf(program[fMain::ID_lblKeycode]).lfHeight);
  EXPECT_EQ(Height(24.0f), harness::FontOf(program[fMain::ID_txtSymbol]).lfHeight);
  EXPECT_EQ(Height(16.0f), harness::FontOf(program[fMain::ID_lblPreview]).lfHeight);
  EXPECT_EQ(Height(10.0f), harness::FontOf(program[fMain::ID_ListChars]).lfHeight);
  // A caption label fits its larger text (line heights round differently from point sizes).
  RECT label = harness::RectInParent(program[fMain::ID_lblControls0 + 3]);
  EXPECT_GE(label.bottom - label.top, -Height(9.75f));
}

TEST(Dpi, AuxiliaryWindowsScaleWithTheDensity) {
  Program program;
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(help && about);
  RECT r = ClientOnScreen(help);
  EXPECT_NEAR(Scaled(313), r.right - r.left, 1);
  EXPECT_NEAR(Scaled(272), r.bottom - r.top, 1);
  RECT text = harness::RectInParent(::GetDlgItem(help, 202));
  RECT heading = harness::RectInParent(::GetDlgItem(help, 201));
  EXPECT_NEAR(Scaled(300), text.right - text.left, 1);
  EXPECT_NEAR(text.top + Scaled(2), heading.top, 1);
  EXPECT_EQ(Height(8.25f), harness::FontOf(::GetDlgItem(help, 202)).lfHeight);

  ExpectScaled({156, 129, 382, 237}, ClientOnScreen(about), "About client area");
  ExpectScaled({283, 175, 84, 23}, harness::RectInParent(::GetDlgItem(about, IDOK)), "OK");
  // The icon at the density's size inside the system's sunken edge, which keeps its width.
  RECT icon = harness::RectInParent(::GetDlgItem(about, 301));
  EXPECT_NEAR(Scaled(16), icon.left, 1);
  EXPECT_NEAR(Scaled(16), icon.top, 1);
  EXPECT_EQ(Scaled(32) + 2 * ::GetSystemMetrics(SM_CXEDGE), icon.right - icon.left);
  EXPECT_EQ(Scaled(32) + 2 * ::GetSystemMetrics(SM_CYEDGE), icon.bottom - icon.top);
}
