// The quick-help window: one instance, owned by the main window and centred on it, its
// heading over the help panel, the exact help text built once per load, its fonts and
// colours, and how it lives beside the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <vector>

#include "dialogs/fHelp.h"
#include "tests/Harness.h"

namespace {

// The main window with the help window open, where there was none before: Open() presses
// "&Help" and finds the window.
struct HelpWindow : harness::MainWindowTest {
  HWND help = nullptr;
  void SetUp() override {
    EXPECT_TRUE(harness::VisibleWindows("Help").empty());
    Open();
  }
  void Open() {
    ASSERT_NE(nullptr, help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help"));
  }
};

// The help text as the user reads it: two empty lines, a paragraph, one empty line, a
// paragraph; line breaks are single carriage returns.
const char kExpectedHelp[] =
    "\r\r"
    " This handy Font Utility allows you to view and utilize all of the characters and"
    " symbols available from within all of the fonts currently installed on your computer."
    "\r\r"
    " Select the desired font from the \"Font\" dropdown box. You may scroll through the"
    " characters within the selected font either in the \"Symbol List\" or \"Symbol View\""
    " boxes. Clicking on a font symbol within the list will display the corresponding ASCII"
    " keycode for that symbol. Font symbols may also be selected in the \"Symbol View\" box"
    " by using standard text-selection methods. Either Selection may be copied to the Windows"
    " clipboard by pressing the \"Copy To Clipboard\" button. Font size may be adjusted for"
    " comfortable viewing by using the \"Size\" dropdown.";

const COLORREF kSteelBlue = RGB(128, 160, 192);
const COLORREF kWindowGrey = RGB(128, 128, 128);
const COLORREF kWhite = RGB(255, 255, 255);

HWND Header(HWND help) { return ::GetDlgItem(help, fHelp::ID_lblHelpHeader); }
HWND HelpLabel(HWND help) { return ::GetDlgItem(help, fHelp::ID_lblHelp); }

// Position of a child in its parent's z-order, 0 at the top.
int ZIndex(HWND child) {
  int index = 0;
  for (HWND w = ::GetWindow(::GetParent(child), GW_CHILD); w;
       w = ::GetWindow(w, GW_HWNDNEXT), ++index)
    if (w == child) return index;
  return -1;
}

}  // namespace

TEST_F(HelpWindow, ThreeClicksOpenExactlyOneWindow) {
  for (int click = 1; click < 3; ++click) {  // the fixture's Open() was the first
    ::SendMessageA(program[fMain::ID_cmdHelp], BM_CLICK, 0, 0);
    harness::Drain();
  }
  std::vector<HWND> shown = harness::VisibleWindows("Help");
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "Help").size());  // no hidden second one either
  ASSERT_NE(nullptr, program.form().HelpWindow());
  EXPECT_EQ(program.form().HelpWindow()->hwnd(), shown.front());
  EXPECT_EQ(kExpectedHelp, harness::Text(HelpLabel(shown.front())));  // built once
}

TEST_F(HelpWindow, IsOwnedByTheMainWindowAndCentredOnIt) {
  EXPECT_EQ(program.window(), ::GetWindow(help, GW_OWNER));
  EXPECT_FALSE(::GetWindowLongPtrA(help, GWL_STYLE) & WS_CHILD);  // owned, not a child
  RECT h = harness::ScreenRect(help), m = harness::ScreenRect(program.window());
  // Centres compared doubled, so a difference of one pixel is 2.
  EXPECT_LE(std::abs((h.left + h.right) - (m.left + m.right)), 2);
  EXPECT_LE(std::abs((h.top + h.bottom) - (m.top + m.bottom)), 2);
  EXPECT_EQ(help, ::GetForegroundWindow());  // shown in front
}

TEST_F(HelpWindow, HasAFixedDialogFrameAndItsDesignedClientSize) {
  EXPECT_EQ("Help", harness::Text(help));
  RECT client = harness::ClientRect(help);
  EXPECT_EQ(313, client.right);
  EXPECT_EQ(272, client.bottom);
  LONG_PTR style = ::GetWindowLongPtrA(help, GWL_STYLE);
  LONG_PTR exStyle = ::GetWindowLongPtrA(help, GWL_EXSTYLE);
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);  // not resizable
  EXPECT_TRUE(style & WS_SYSMENU);      // the close button
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);  // no taskbar button of its own
  EXPECT_TRUE(::GetClassLongPtrA(help, GCLP_HICON) ||
              ::SendMessageA(help, WM_GETICON, ICON_BIG, 0));
  // Not resizable from its border either.
  RECT frame = harness::ScreenRect(help);
  LRESULT hit =
      ::SendMessageA(help, WM_NCHITTEST, 0, MAKELPARAM(frame.right - 1, frame.bottom - 1));
  EXPECT_NE(HTBOTTOMRIGHT, hit);
  EXPECT_NE(HTRIGHT, hit);
  EXPECT_NE(HTBOTTOM, hit);
}

TEST_F(HelpWindow, HeadingAndTextAreTheDesignedOnes) {
  HWND header = Header(help), label = HelpLabel(help);
  ASSERT_TRUE(header && label);
  EXPECT_EQ("Quick Help - Using Varnelo", harness::Text(header));
  EXPECT_EQ(kExpectedHelp, harness::Text(label));
  EXPECT_EQ("Help", harness::Text(help));  // the title stays "Help"

  EXPECT_TRUE(harness::HasFont(header, "Arial", -13, FW_BOLD, "U"));  // 9.75 points, underlined
  EXPECT_TRUE(harness::HasFont(label, "Arial", -11, FW_BOLD, ""));    // 8.25 points
}

TEST_F(HelpWindow, HeadingLiesInFrontOfTheCentredHelpPanel) {
  HWND header = Header(help), label = HelpLabel(help);
  RECT h = harness::RectInParent(header), t = harness::RectInParent(label);

  // The help panel keeps its design size, 300 x 257, centred: 313/2 - 300/2 = 6.5 and
  // 272/2 - 257/2 = 7.5, brought to a whole pixel.
  EXPECT_EQ(300, t.right - t.left);
  EXPECT_EQ(257, t.bottom - t.top);
  EXPECT_LE(std::abs(2 * t.left - 13), 1);
  EXPECT_LE(std::abs(2 * t.top - 15), 1);

  // The heading sizes itself to its caption and sits 2 below the panel's top, centred on
  // the panel's width measured from the window's left edge.
  EXPECT_EQ(t.top + 2, h.top);
  const SIZE caption = harness::TextSize(header, harness::Text(header));
  EXPECT_LE(std::abs((h.right - h.left) - caption.cx), 1);
  EXPECT_LE(std::abs((h.bottom - h.top) - caption.cy), 1);
  EXPECT_LE(std::abs(2 * h.left - (300 - (h.right - h.left))), 1);

  // In front of the panel, wholly inside it, and within the two empty lines it leaves.
  EXPECT_LT(ZIndex(header), ZIndex(label));
  EXPECT_GE(h.left, t.left);
  EXPECT_LE(h.right, t.right);
  EXPECT_LE(h.bottom, t.top + 2 * harness::TextSize(label, "A").cy);
  // What is painted there is the heading: its white text over steel blue.
  POINT middle{(h.left + h.right) / 2, (h.top + h.bottom) / 2};
  EXPECT_EQ(header, ::ChildWindowFromPointEx(help, middle, CWP_SKIPINVISIBLE));
}

TEST_F(HelpWindow, ColoursAreSteelBlueWhiteAndGrey) {
  for (HWND label : {Header(help), HelpLabel(help)}) {
    std::map<COLORREF, int> colours = harness::Colours(label);
    EXPECT_EQ(kSteelBlue, harness::MostCommon(colours)) << ::GetDlgCtrlID(label);
    EXPECT_GT(colours[kWhite], 20) << ::GetDlgCtrlID(label);  // white text
  }
  // The window's own background shows in the margin round the panel.
  EXPECT_EQ(kWindowGrey, harness::PixelAt(help, 1, 1));
  EXPECT_EQ(kWindowGrey, harness::PixelAt(help, 311, 270));
}

TEST_F(HelpWindow, ReopenedAfterClosingShowsTheTextOnce) {
  ::SendMessageA(help, WM_CLOSE, 0, 0);
  EXPECT_TRUE(harness::Gone(help));
  EXPECT_TRUE(harness::VisibleWindows("Help").empty());
  EXPECT_TRUE(::IsWindow(program.window()));  // the main window is not affected

  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(kExpectedHelp, harness::Text(HelpLabel(help)));
  EXPECT_EQ("Quick Help - Using Varnelo", harness::Text(Header(help)));

  // The title bar's close button.
  ::SendMessageA(help, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(harness::Gone(help));
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(kExpectedHelp, harness::Text(HelpLabel(help)));
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, "Help").size());
}

TEST_F(HelpWindow, MainWindowStaysUsableWhileItIsOpen) {
  // A real click on the Bold box, which the help window leaves uncovered.
  HWND bold = program[fMain::ID_chkBold];
  RECT boldRect = harness::ScreenRect(bold), helpRect = harness::ScreenRect(help);
  ASSERT_LT(boldRect.left + 8, helpRect.left);
  harness::Click(bold, 8, 12);
  EXPECT_EQ(BST_CHECKED, ::SendMessageA(bold, BM_GETCHECK, 0, 0));
  EXPECT_EQ(FW_BOLD, harness::FontOf(view).lfWeight);
  // And a keystroke: the Italic box's access key.
  harness::PressKey('I', false, false, true);
  EXPECT_EQ(BST_CHECKED, ::SendMessageA(program[fMain::ID_chkItalic], BM_GETCHECK, 0, 0));
  EXPECT_TRUE(harness::FontOf(view).lfItalic);
  // The help window is still open, in front of its owner.
  EXPECT_TRUE(::IsWindow(help));
  EXPECT_TRUE(::IsWindowVisible(help));
  EXPECT_EQ(program.window(), ::GetWindow(help, GW_OWNER));
  bool helpAbove = false;
  for (HWND w = ::GetWindow(help, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
    if (w == program.window()) helpAbove = true;
  EXPECT_TRUE(helpAbove ||
              harness::WineDiffers("Wine 8 raises the activated owner above the windows it "
                                   "owns (with SetWindowPos HWND_TOP and a click alike); "
                                   "Windows keeps an owned window above its owner"));
}

TEST_F(HelpWindow, IsHiddenWithTheMinimisedMainWindowAndBackOnRestore) {
  // As the title bar's minimise and restore buttons do it.
  ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(harness::Iconic(program.window()));
  EXPECT_FALSE(::IsWindowVisible(help));
  EXPECT_TRUE(::IsWindow(help));  // hidden, not closed
  ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(harness::Iconic(program.window(), false));
  EXPECT_TRUE(::IsWindowVisible(help));
  EXPECT_EQ(kExpectedHelp, harness::Text(HelpLabel(help)));
}

TEST_F(HelpWindow, ShowWindowMinimiseHidesItToo) {
  ::ShowWindow(program.window(), SW_MINIMIZE);
  ASSERT_TRUE(harness::Iconic(program.window()));
  const bool hidden = !::IsWindowVisible(help);
  ::ShowWindow(program.window(), SW_RESTORE);
  ASSERT_TRUE(harness::Iconic(program.window(), false));
  const bool back = ::IsWindowVisible(help) != FALSE;
  EXPECT_TRUE(::IsWindow(help));
  EXPECT_TRUE(hidden ||
              harness::WineDiffers("Wine 8 hides owned windows only in the default handling "
                                   "of SC_MINIMIZE (the title bar's button), not in "
                                   "ShowWindow itself, which Windows does"));
  EXPECT_TRUE(back);
}
