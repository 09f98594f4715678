// The windows at a density: every rectangle of the design is its 96-dpi size times dpi/96
// (within a pixel of rounding), and the texts are drawn at their point sizes; at the screen's
// density when a window starts (run once more with Wine at 144 dpi, see tests/CMakeLists.txt),
// and at each density Windows gives it when it moves to another monitor.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "tests/Harness.h"

using harness::Item;
using harness::Program;

namespace {

int Scaled(int pixels96, int dpi) { return static_cast<int>(std::lround(pixels96 * dpi / 96.0)); }

int Height(float points, int dpi) { return -static_cast<int>(std::lround(points * dpi / 72.0f)); }

// A rectangle of a control (id 0: a window's client area) at its design's size times dpi/96.
void ExpectScaled(const harness::Box& at96, const RECT& actual, int dpi, int id) {
  EXPECT_NEAR(Scaled(at96.left, dpi), actual.left, 1) << id;
  EXPECT_NEAR(Scaled(at96.top, dpi), actual.top, 1) << id;
  EXPECT_NEAR(Scaled(at96.width, dpi), actual.right - actual.left, 1) << id;
  EXPECT_NEAR(Scaled(at96.height, dpi), actual.bottom - actual.top, 1) << id;
}

RECT ClientOnScreen(HWND window) {
  RECT r = harness::ClientRect(window);
  ::MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

LONG FontHeight(HWND control) { return harness::FontOf(control).lfHeight; }

// The main window with the Symbol View at `viewPoints`, as it stands at `dpi`.
void ExpectMainWindowAt(const Program& program, int dpi, float viewPoints) {
  SCOPED_TRACE(dpi);
  for (const harness::MainControl& c : harness::kMainControls) {
    if (c.box.width) ExpectScaled(c.box, harness::RectInParent(program[c.id]), dpi, c.id);
    if (c.face) {
      EXPECT_EQ(Height(c.height * -0.75f, dpi), FontHeight(program[c.id])) << c.id;
    }
  }
  EXPECT_EQ(Height(viewPoints, dpi), FontHeight(program[fMain::ID_txtSymbol]));
  EXPECT_EQ(Height(16.0f, dpi), FontHeight(program[fMain::ID_lblPreview]));
  EXPECT_EQ(Height(10.0f, dpi), FontHeight(program[fMain::ID_ListChars]));
  // A caption label fits its larger text (line heights round differently from point sizes).
  RECT label = harness::RectInParent(program[fMain::ID_lblControls0 + 3]);
  EXPECT_GE(label.bottom - label.top, -Height(9.75f, dpi));

  ExpectScaled({0, 0, 478, 423}, harness::ClientRect(program.window()), dpi, 0);
  RECT panel = harness::ScreenRect(program[fMain::ID_picInterface]);
  EXPECT_NEAR(Scaled(468, dpi), panel.right - panel.left, 1);
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
  EXPECT_NEAR(Scaled(180, dpi), ListView_GetColumnWidth(program[fMain::ID_ListChars], 0), 1);
}

void ExpectHelpAt(HWND help, int dpi) {
  SCOPED_TRACE(dpi);
  ExpectScaled({0, 0, 313, 272}, harness::ClientRect(help), dpi, 0);
  RECT text = harness::RectInParent(Item(help, fHelp::ID_lblHelp));
  RECT heading = harness::RectInParent(Item(help, fHelp::ID_lblHelpHeader));
  EXPECT_NEAR(Scaled(300, dpi), text.right - text.left, 1);
  EXPECT_NEAR(text.top + Scaled(2, dpi), heading.top, 1);
  EXPECT_EQ(Height(8.25f, dpi), FontHeight(Item(help, fHelp::ID_lblHelp)));
  EXPECT_EQ(Height(9.75f, dpi), FontHeight(Item(help, fHelp::ID_lblHelpHeader)));
}

void ExpectAboutAt(HWND about, int dpi) {
  SCOPED_TRACE(dpi);
  ExpectScaled({0, 0, 382, 237}, harness::ClientRect(about), dpi, 0);
  ExpectScaled({283, 175, 84, 23}, harness::RectInParent(Item(about, fAbout::ID_cmdOK)), dpi,
               fAbout::ID_cmdOK);
  EXPECT_EQ(Height(8.0f, dpi), FontHeight(Item(about, fAbout::ID_lblDescription)));
  // The icon at the density's size inside the system's sunken edge, which keeps its width.
  RECT icon = harness::RectInParent(Item(about, fAbout::ID_picIcon));
  EXPECT_NEAR(Scaled(16, dpi), icon.left, 1);
  EXPECT_NEAR(Scaled(16, dpi), icon.top, 1);
  EXPECT_EQ(Scaled(32, dpi) + 2 * ::GetSystemMetrics(SM_CXEDGE), icon.right - icon.left);
  EXPECT_EQ(Scaled(32, dpi) + 2 * ::GetSystemMetrics(SM_CYEDGE), icon.bottom - icon.top);
}

// Every child's rectangle and font height, in window order.
using Child = std::array<LONG, 5>;
BOOL CALLBACK AddChild(HWND child, LPARAM list) {
  const RECT r = harness::RectInParent(child);
  reinterpret_cast<std::vector<Child>*>(list)->push_back(
      {r.left, r.top, r.right, r.bottom, FontHeight(child)});
  return TRUE;
}
std::vector<Child> Children(HWND window) {
  std::vector<Child> children;
  ::EnumChildWindows(window, &AddChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

// As Windows tells a window moved to a monitor of density `dpi`: WM_DPICHANGED with the
// rectangle it suggests, the window's frame around its client area at that density. (Wine
// draws the frame at the system's density, and so the suggestion keeps the frame as it is.)
void MoveToDensity(HWND window, int dpi, SIZE client96) {
  const RECT outer = harness::ScreenRect(window), inner = ClientOnScreen(window);
  const RECT suggested{outer.left, outer.top,
                       outer.right + Scaled(client96.cx, dpi) - (inner.right - inner.left),
                       outer.bottom + Scaled(client96.cy, dpi) - (inner.bottom - inner.top)};
  ::SendMessageA(window, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
  harness::Drain();
}

// Through the densities and back to the screen's: at each step as a window started there,
// and at the end exactly as it started, with every font of the steps between gone.
template <typename ExpectAt>
void ExpectEveryDensity(HWND window, SIZE client96, ExpectAt expectAt) {
  const int start = win::WindowDpi(nullptr);
  const auto children = Children(window);
  const long fonts = win::Font::Live();
  for (int dpi : {144, 192, 96, start}) {
    MoveToDensity(window, dpi, client96);
    expectAt(dpi);
  }
  EXPECT_EQ(children, Children(window));
  EXPECT_EQ(fonts, win::Font::Live());
}

// As Windows tells a window whose first resize puts it on a monitor of another density.
LRESULT CALLBACK TellDensity(int code, WPARAM wp, LPARAM lp) {
  const CWPSTRUCT& call = *reinterpret_cast<const CWPSTRUCT*>(lp);
  if (call.message == WM_CREATE && !(::GetWindowLongPtrA(call.hwnd, GWL_STYLE) & WS_CHILD) &&
      harness::ClassName(call.hwnd).rfind("Varnelo", 0) == 0) {
    RECT at = harness::ScreenRect(call.hwnd);
    ::SendMessageA(call.hwnd, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(192, 192),
                   reinterpret_cast<LPARAM>(&at));
  }
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

TEST(Dpi, TheDensityIsTheOneAskedFor) {
  char expected[8] = {};
  if (::GetEnvironmentVariableA("VARNELO_EXPECT_DPI", expected, sizeof expected)) {
    EXPECT_EQ(std::atoi(expected), win::WindowDpi(nullptr));
  }
  EXPECT_GE(win::WindowDpi(nullptr), 96);
}

TEST(Dpi, EachWindowStartsAtTheScreensDensity) {
  HHOOK hook = ::SetWindowsHookExA(WH_CALLWNDPROC, &TellDensity, nullptr, ::GetCurrentThreadId());
  const harness::OnExit unhook([hook] { ::UnhookWindowsHookEx(hook); });
  Program program;
  const int dpi = win::WindowDpi(nullptr);
  ExpectMainWindowAt(program, dpi, 24.0f);
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(help && about);
  ExpectHelpAt(help, dpi);
  ExpectAboutAt(about, dpi);
  ExpectScaled({156, 129, 382, 237}, ClientOnScreen(about), dpi, 0);  // at its fixed place
}

// Minimised across a change of density, told or not, a window is laid out at its density once
// restored. Wine's GetDpiForWindow stays at the system's density: the test tells the window's.
TEST(Dpi, ARestoredWindowIsLaidOutAtItsDensity) {
  static int density = win::WindowDpi(nullptr);
  fMainOptions options;
  options.density = [](HWND) { return density; };
  Program program(options);
  HWND window = program.window();
  for (int dpi : {144, 192}) {
    ::SendMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    const harness::Box minimised = harness::BoxOf(window);
    density = dpi;
    if (dpi == 144) MoveToDensity(window, dpi, {478, 423});  // told while minimised
    EXPECT_EQ(minimised, harness::BoxOf(window));            // and not moved by it
    ::SendMessageA(window, WM_SYSCOMMAND, SC_RESTORE, 0);
    ExpectMainWindowAt(program, dpi, 24.0f);
  }
}

TEST(Dpi, TheMainWindowFollowsItsMonitorsDensityAndKeepsWhatTheUserDid) {
  Program program;
  HWND list = program[fMain::ID_ListChars], view = program[fMain::ID_txtSymbol];
  harness::ChooseComboItem(program[fMain::ID_cboFonts], 1);
  harness::ChooseComboItem(program[fMain::ID_cboSize], 12);  // 36 points
  ::SendMessageA(program[fMain::ID_chkBold], BM_CLICK, 0, 0);
  harness::ClickListRow(list, 199);
  ::SendMessageA(view, EM_SETSEL, 70, 72);
  const harness::Snapshot before = harness::SnapshotOf(program);
  ASSERT_EQ(list, ::GetFocus());
  ExpectEveryDensity(program.window(), {478, 423},
                     [&](int dpi) { ExpectMainWindowAt(program, dpi, 36.0f); });
  EXPECT_EQ(before, harness::SnapshotOf(program));  // the face, keystroke and every choice
  EXPECT_EQ(FW_BOLD, harness::FontOf(view).lfWeight);
  EXPECT_EQ(199, harness::ListSelection(list));
  EXPECT_EQ(std::make_pair(DWORD(70), DWORD(72)), harness::EditSelection(view));
  EXPECT_EQ(list, ::GetFocus());
}

TEST(Dpi, TheAuxiliaryWindowsFollowTheirMonitorsDensity) {
  Program program;
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  ASSERT_TRUE(help);
  ExpectEveryDensity(help, {313, 272}, [&](int dpi) { ExpectHelpAt(help, dpi); });
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(about);
  harness::FocusControl(Item(about, fAbout::ID_cmdSysInfo));
  ExpectEveryDensity(about, {382, 237}, [&](int dpi) { ExpectAboutAt(about, dpi); });
  EXPECT_EQ(Item(about, fAbout::ID_cmdSysInfo), ::GetFocus());
}
