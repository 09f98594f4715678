// The windows the main window owns, the About dialog and the quick-help window: what both do
// as one typed suite over their traits, then what each does alone (the About dialog's texts,
// icon, buttons and keys; the help window's heading, fonts and colours).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "resources/Product.h"
#include "tests/Harness.h"
#include "version.h"
#include "win/Handles.h"

using harness::Item;
using Texts = std::vector<std::pair<int, std::string>>;  // a control's id and its text

namespace {

std::string ItemText(HWND window, int id) { return harness::Text(Item(window, id)); }

std::string ExpectedDescription() {
  return std::string(
             "Varnelo is a handy tool which you can use to quickly view and use font characters on"
             " your computer. For more information on this and other software, Please contact us"
             " at: ") +
         product::kMakerUrl;
}

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

}  // namespace

// Each window as the shared tests know it: the main window's button that opens it, its title,
// client size and accessor on the main form; the texts (and picture) that each load sets;
// where it stands, and how it closes itself. Outside the anonymous namespace, so that the
// tests are named <About> and <Help>.
struct About {
  static constexpr int kButton = fMain::ID_cmdAbout, kPicture = fAbout::ID_picIcon;
  static constexpr char kTitle[] = "About Varnelo";  // never "About MyApp"
  static constexpr SIZE kClient{382, 237};
  static constexpr auto kForm = &fMain::AboutDialog;
  static inline const Texts kTexts{{fAbout::ID_lblTitle, "Varnelo"},
                                   {fAbout::ID_lblVersion, "Version " VARNELO_VERSION},
                                   {fAbout::ID_lblDescription, ExpectedDescription()},
                                   {fAbout::ID_lblDisclaimer, ""}};
  // At its fixed place, not centred: its client area 2340 x 1935 twips from the screen's corner.
  static void ExpectPlace(HWND about, HWND) {
    POINT origin{0, 0};
    ::ClientToScreen(about, &origin);
    EXPECT_EQ(156, origin.x);
    EXPECT_EQ(129, origin.y);
  }
  static void Close(HWND about) { ::SendMessageA(Item(about, fAbout::ID_cmdOK), BM_CLICK, 0, 0); }
};

struct Help {
  static constexpr int kButton = fMain::ID_cmdHelp, kPicture = 0;
  static constexpr char kTitle[] = "Help";
  static constexpr SIZE kClient{313, 272};
  static constexpr auto kForm = &fMain::HelpWindow;
  static inline const Texts kTexts{{fHelp::ID_lblHelpHeader, "Quick Help - Using Varnelo"},
                                   {fHelp::ID_lblHelp, kExpectedHelp}};  // built once a load
  // Centred on the main window; centres compared doubled, so a difference of one pixel is 2.
  static void ExpectPlace(HWND help, HWND main) {
    RECT h = harness::ScreenRect(help), m = harness::ScreenRect(main);
    EXPECT_LE(std::abs((h.left + h.right) - (m.left + m.right)), 2);
    EXPECT_LE(std::abs((h.top + h.bottom) - (m.top + m.bottom)), 2);
  }
  static void Close(HWND help) { ::SendMessageA(help, WM_CLOSE, 0, 0); }  // as the system does
};

// The main window with the window open, where there was none before: Open() presses its
// button and finds it.
template <typename Window>
struct OwnedWindow : harness::MainWindowTest {
  HWND window = nullptr, main = program.window();
  void SetUp() override {
    EXPECT_TRUE(harness::VisibleWindows(Window::kTitle).empty());
    Open();
  }
  void Open() {
    ASSERT_NE(nullptr, window = harness::OpenWindow(program, Window::kButton, Window::kTitle));
  }
  // The title, and what every load sets.
  void ExpectTheTexts() {
    EXPECT_EQ(Window::kTitle, harness::Text(window));
    for (const auto& [id, text] : Window::kTexts) EXPECT_EQ(text, ItemText(window, id));
    if (Window::kPicture) {
      EXPECT_NE(0, ::SendMessageA(Item(window, Window::kPicture), STM_GETICON, 0, 0));
    }
  }
  // Closed, it goes and leaves the main window; opened again, it is one window, loaded afresh.
  void CloseAndReopen(void (*close)(HWND)) {
    close(window);
    ASSERT_TRUE(harness::Gone(window));
    EXPECT_TRUE(harness::ProcessWindows(nullptr, Window::kTitle).empty());  // nor hidden
    EXPECT_TRUE(::IsWindowVisible(main));  // the main window is not affected
    ASSERT_NO_FATAL_FAILURE(Open());
    ExpectTheTexts();
    EXPECT_EQ(1u, harness::ProcessWindows(nullptr, Window::kTitle).size());
  }
};

void CloseButton(HWND window) { ::SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

using OwnedWindows = testing::Types<About, Help>;
TYPED_TEST_SUITE(OwnedWindow, OwnedWindows);

TYPED_TEST(OwnedWindow, RepeatedClicksKeepOneWindowAndBringItToTheFront) {
  HWND window = this->window, main = this->main;
  EXPECT_EQ(window, ::GetForegroundWindow());
  // A mark on a text that a load sets shows that no further click loads the window again; the
  // other texts stay as loaded (a help text built twice would show twice).
  const int marked = TypeParam::kTexts[0].first;
  ::SetWindowTextA(Item(window, marked), "still the same window");
  for (int click = 0; click < 2; ++click) {
    ::SetForegroundWindow(main);
    harness::PumpUntil([&] { return ::GetForegroundWindow() == main; }, 1000);
    ASSERT_EQ(main, ::GetForegroundWindow());
    ::SendMessageA(this->program[TypeParam::kButton], BM_CLICK, 0, 0);
    harness::PumpUntil([&] { return ::GetForegroundWindow() == window; }, 1000);
    EXPECT_EQ(window, ::GetForegroundWindow()) << "click " << click;
  }
  EXPECT_EQ(std::vector<HWND>{window}, harness::VisibleWindows(TypeParam::kTitle));
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, TypeParam::kTitle).size());  // none hidden
  for (const auto& [id, text] : TypeParam::kTexts)
    EXPECT_EQ(id == marked ? "still the same window" : text, ItemText(window, id));
  ASSERT_NE(nullptr, (this->program.form().*TypeParam::kForm)());
  EXPECT_EQ(window, (this->program.form().*TypeParam::kForm)()->hwnd());
}

TYPED_TEST(OwnedWindow, IsOwnedByTheMainWindowAtItsPlaceInFront) {
  EXPECT_EQ(this->main, ::GetWindow(this->window, GW_OWNER));
  EXPECT_FALSE(::GetWindowLongPtrA(this->window, GWL_STYLE) & WS_CHILD);  // owned, not a child
  TypeParam::ExpectPlace(this->window, this->main);
  EXPECT_EQ(this->window, ::GetForegroundWindow());  // shown in front
}

TYPED_TEST(OwnedWindow, HasAFixedDialogFrameAndItsDesignedClientSize) {
  HWND window = this->window;
  EXPECT_EQ(TypeParam::kTitle, harness::Text(window));
  const RECT client = harness::ClientRect(window);
  EXPECT_EQ(TypeParam::kClient.cx, client.right);
  EXPECT_EQ(TypeParam::kClient.cy, client.bottom);
  const LONG_PTR style = ::GetWindowLongPtrA(window, GWL_STYLE);
  const LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));  // not resizable
  EXPECT_TRUE(style & WS_SYSMENU);                                          // the close button
  EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
  EXPECT_TRUE(exStyle & WS_EX_DLGMODALFRAME);
  EXPECT_FALSE(exStyle & WS_EX_APPWINDOW);  // no taskbar button of its own
  EXPECT_TRUE(::GetClassLongPtrA(window, GCLP_HICON) ||
              ::SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  // Not resizable from its border either.
  const RECT frame = harness::ScreenRect(window);
  const LRESULT hit =
      ::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(frame.right - 1, frame.bottom - 1));
  for (LRESULT edge : {HTBOTTOMRIGHT, HTRIGHT, HTBOTTOM}) EXPECT_NE(edge, hit);
}

TYPED_TEST(OwnedWindow, ItsOwnWayAndTheCloseButtonCloseIt) {
  ASSERT_NO_FATAL_FAILURE(this->CloseAndReopen(&TypeParam::Close));
  this->CloseAndReopen(&CloseButton);  // the title bar's
}

TYPED_TEST(OwnedWindow, ReopeningSetsTheTextsAfresh) {
  ::SetWindowTextA(this->window, "changed");
  for (const auto& [id, text] : TypeParam::kTexts)
    ::SetWindowTextA(Item(this->window, id), "changed");
  this->CloseAndReopen(&TypeParam::Close);
}

TYPED_TEST(OwnedWindow, MainWindowStaysUsableWhileItIsOpen) {
  HWND window = this->window, main = this->main, view = this->view;
  const harness::Program& program = this->program;
  // A real click on the Bold box, which the window leaves uncovered.
  HWND bold = program[fMain::ID_chkBold];
  ASSERT_LT(harness::ScreenRect(bold).left + 8, harness::ScreenRect(window).left);
  harness::Click(bold, 8, 12);
  EXPECT_TRUE(harness::IsChecked(bold));
  EXPECT_EQ(FW_BOLD, harness::FontOf(view).lfWeight);
  harness::PressKey('I', false, false, true);  // the Italic box's access key
  EXPECT_TRUE(harness::IsChecked(program[fMain::ID_chkItalic]));
  EXPECT_TRUE(harness::FontOf(view).lfItalic);
  harness::FocusControl(program[fMain::ID_chkUnderline]);
  harness::PressKey(VK_SPACE);
  EXPECT_TRUE(harness::IsChecked(program[fMain::ID_chkUnderline]));
  EXPECT_TRUE(harness::FontOf(view).lfUnderline);
  // The window is still open, in front of its owner.
  EXPECT_TRUE(::IsWindow(window));
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_EQ(main, ::GetWindow(window, GW_OWNER));
  bool above = false;
  for (HWND w = ::GetWindow(window, GW_HWNDNEXT); w; w = ::GetWindow(w, GW_HWNDNEXT))
    above = above || w == main;
  EXPECT_TRUE(above ||
              harness::WineDiffers("Wine 8 raises the activated owner above the windows it "
                                   "owns (with SetWindowPos HWND_TOP and a click alike); "
                                   "Windows keeps an owned window above its owner"));
}

TYPED_TEST(OwnedWindow, IsHiddenWithItsMinimisedOwnerAndBackOnRestore) {
  HWND window = this->window, main = this->main;
  // As the title bar's minimise and restore buttons do it.
  ::SendMessageA(main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(harness::Iconic(main));
  EXPECT_FALSE(::IsWindowVisible(window));
  EXPECT_TRUE(::IsWindow(window));  // hidden, not closed
  ::SendMessageA(main, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(harness::Iconic(main, false));
  harness::PumpUntil([&] { return ::IsWindowVisible(window) != FALSE; }, 1000);
  EXPECT_TRUE(::IsWindowVisible(window));
  this->ExpectTheTexts();  // as loaded, not built again
}

TYPED_TEST(OwnedWindow, ShowWindowMinimiseHidesItToo) {
  HWND window = this->window, main = this->main;
  ::ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(harness::Iconic(main));
  const bool hidden = !::IsWindowVisible(window);
  ::ShowWindow(main, SW_RESTORE);
  ASSERT_TRUE(harness::Iconic(main, false));
  EXPECT_TRUE(::IsWindow(window));
  EXPECT_TRUE(hidden ||
              harness::WineDiffers("Wine 8 hides owned windows only in the default handling "
                                   "of SC_MINIMIZE (the title bar's button), not in "
                                   "ShowWindow itself, which Windows does"));
  EXPECT_TRUE(::IsWindowVisible(window));
}

// --- The About dialog alone ----------------------------------------------------------------

namespace {

using AboutDialog = OwnedWindow<About>;

// Major, minor and revision (the last of the four numbers) of this program's version record.
std::string VersionOfThisProgram() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0, size = ::GetFileVersionInfoSizeA(path, &ignored);
  std::vector<BYTE> data(size);
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!size || !::GetFileVersionInfoA(path, 0, size, data.data()) ||
      !::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length))
    return "(no version record)";
  return "Version " + std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionLS));
}

// The colours of the window's small icon where its title bar shows an icon: the square at
// the left end of the caption.
size_t TitleIconColoursShown(HWND window) {
  HICON icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) return 0;
  const int side = ::GetSystemMetrics(SM_CXSMICON);
  const win::WindowDC screen(nullptr);
  const win::UniqueMemoryDC memory(::CreateCompatibleDC(screen.get()));
  const win::UniqueBitmap bitmap(::CreateCompatibleBitmap(screen.get(), side, side));
  const win::Selected selected(memory.get(), bitmap.get());
  ::DrawIconEx(memory.get(), 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
  const auto drawn = harness::ColoursIn(memory.get(), RECT{0, 0, side, side});

  ::RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  harness::Drain();
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(::GetWindowLongPtrA(window, GWL_EXSTYLE)));
  const int caption = ::GetSystemMetrics(SM_CYCAPTION);
  const RECT square{-frame.left, -frame.left, -frame.left + caption, -frame.left + caption};
  HDC dc = ::GetWindowDC(window);
  const auto shown = harness::ColoursIn(dc, square);
  ::ReleaseDC(window, dc);
  size_t common = 0;
  for (const auto& colour : drawn) common += shown.count(colour.first);
  return common;
}

// How the focus comes to a button before a key: put on OK or on "&System Info...", or brought
// from OK to "&System Info..." by Tab, by pressing the mouse on the button and sliding off it
// before letting go (focus without a click), or from code.
enum Way { kOnOk, kOnSysInfo, kTab, kSlideOff, kSetFocus };
struct KeyOnAButton {
  const char* name;
  WORD key;
  bool presses;  // "&System Info...", the dialog staying open until Enter on OK closes it
  std::vector<Way> ways;
};

const KeyOnAButton kKeysOnButtons[] = {
    {"EscClosesItWhicheverControlHasTheFocus", VK_ESCAPE, false, {kOnOk, kOnSysInfo}},
    {"EnterOnOkClosesIt", VK_RETURN, false, {kOnOk}},
    {"EnterOnSystemInfoPressesThatButtonInstead", VK_RETURN, true, {kTab, kSlideOff, kSetFocus}},
};

class AboutKeys : public AboutDialog, public testing::WithParamInterface<KeyOnAButton> {};

}  // namespace

TEST_F(AboutDialog, ShowsTheProductTitleVersionAndDescription) {
  ExpectTheTexts();
  EXPECT_EQ(VersionOfThisProgram(), ItemText(window, fAbout::ID_lblVersion));
  EXPECT_TRUE(::IsWindowVisible(Item(window, fAbout::ID_lblDisclaimer)));  // present, empty
  // Labels wrap their text within their width.
  RECT descriptionRect = harness::RectInParent(Item(window, fAbout::ID_lblDescription));
  EXPECT_EQ(259, descriptionRect.right - descriptionRect.left);  // 3885 twips
}

TEST_F(AboutDialog, ShowsTheProgramIconInASunkenBorder) {
  HWND icon = Item(window, fAbout::ID_picIcon);
  ASSERT_NE(nullptr, icon);
  EXPECT_TRUE(::IsWindowVisible(icon));
  EXPECT_NE(0, ::SendMessageA(icon, STM_GETICON, 0, 0));
  EXPECT_EQ((harness::Box{16, 16, 36, 36}), harness::BoxOf(icon));
  RECT inner = harness::ClientRect(icon);
  EXPECT_EQ(32, inner.right);  // the 32 x 32 icon inside a border of 2
  // The picture is drawn: many colours, not a plain field.
  EXPECT_GT(harness::Colours(icon, 1).size(), 4u);  // kinds of colour, every pixel
  // And the title bar shows the icon, as the other windows' do.
  EXPECT_GT(TitleIconColoursShown(window), 4u);
}

TEST_F(AboutDialog, HasAnOkAndASystemInfoButtonTheOutlineOnTheOneEnterPresses) {
  HWND ok = Item(window, fAbout::ID_cmdOK), info = Item(window, fAbout::ID_cmdSysInfo);
  ASSERT_TRUE(ok && info);
  EXPECT_EQ("Button", harness::ClassName(ok));
  EXPECT_EQ("Button", harness::ClassName(info));
  EXPECT_EQ("OK", harness::Text(ok));
  EXPECT_EQ("&System Info...", harness::Text(info));
  EXPECT_EQ(ok, ::GetFocus());  // tab index 0
  EXPECT_EQ(MAKELRESULT(fAbout::ID_cmdOK, DC_HASDEFID), ::SendMessageA(window, DM_GETDEFID, 0, 0));
  // The default outline is on the button that Enter presses: OK, then wherever the dialog
  // manager moves the focus by Tab, an arrow key (onto the icon), the access key and Tab.
  const harness::SysInfoStandIn tool("about_sysinfo");  // the access key presses the button
  ASSERT_TRUE(tool.Install(tool.dir + "tool.exe"));
  auto style = [](HWND button) { return ::GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK; };
  bool onOk = true;
  for (WORD key : {WORD(0), WORD(VK_TAB), WORD(VK_LEFT), WORD('S'), WORD(VK_TAB)}) {
    if (key) harness::PressKey(key, false, false, key == 'S');
    EXPECT_EQ(onOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, style(ok)) << key;
    EXPECT_EQ(onOk ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, style(info)) << key;
    onOk = !onOk;
  }
}

// The dialog opened afresh for each way. Its tool's log shows each press of "&System Info...",
// which neither Esc nor Enter on OK may make.
TEST_P(AboutKeys, WithTheFocusOnAButton) {
  const KeyOnAButton& row = GetParam();
  const harness::SysInfoStandIn tool("about_sysinfo");
  ASSERT_TRUE(tool.Install(tool.dir + "tool.exe"));
  size_t started = 0;
  for (Way way : row.ways) {
    SCOPED_TRACE(way);
    ASSERT_NO_FATAL_FAILURE(Open());
    HWND ok = Item(window, fAbout::ID_cmdOK), info = Item(window, fAbout::ID_cmdSysInfo);
    harness::FocusControl(way == kOnSysInfo ? info : ok);
    if (way == kTab) {
      harness::PressKey(VK_TAB);
    } else if (way == kSlideOff) {
      const RECT r = harness::ClientRect(info);  // off above the button, inside the dialog
      harness::Drag(info, {r.right / 2, r.bottom / 2}, {r.right / 2, -40});
    } else if (way == kSetFocus) {
      ::SetFocus(info);
      harness::Drain();
    }
    ASSERT_EQ(window, ::GetForegroundWindow());
    ASSERT_EQ(way == kOnOk ? ok : info, ::GetFocus());
    ASSERT_EQ(started, harness::ReadLines(tool.log).size());  // not pressed yet
    harness::PressKey(row.key);
    if (row.presses) {
      EXPECT_TRUE(harness::WaitForLines(tool.log, ++started));  // the tool was started
      EXPECT_TRUE(::IsWindow(window));                          // and the dialog stays open
      EXPECT_TRUE(::IsWindowVisible(window));
      harness::FocusControl(ok);  // back on OK, Enter closes the dialog again
      harness::PressKey(VK_RETURN);
    }
    EXPECT_TRUE(harness::Gone(window));
    EXPECT_TRUE(harness::VisibleWindows(About::kTitle).empty());
    if (::IsWindow(window)) ::DestroyWindow(window);
  }
  harness::StartedProgramsEnded();  // a start would have written by now
  EXPECT_EQ(row.presses ? row.ways.size() : 0u, harness::ReadLines(tool.log).size());
  EXPECT_TRUE(::IsWindowVisible(program.window()));
}

INSTANTIATE_TEST_SUITE_P(AboutDialog, AboutKeys, testing::ValuesIn(kKeysOnButtons),
                         harness::RowName());

TEST_F(AboutDialog, OpensTogetherWithTheHelpWindowEachOnItsOwn) {
  ASSERT_NE(nullptr, harness::OpenWindow(program, Help::kButton, Help::kTitle));
  ASSERT_NO_FATAL_FAILURE(Open());
  std::vector<HWND> helps = harness::ProcessWindows(nullptr, Help::kTitle);
  ASSERT_EQ(1u, helps.size());
  HWND help = helps.front();
  EXPECT_TRUE(::IsWindowVisible(help));
  EXPECT_EQ(program.window(), ::GetWindow(help, GW_OWNER));
  EXPECT_EQ(program.window(), ::GetWindow(window, GW_OWNER));

  // Closing one leaves the other.
  About::Close(window);
  EXPECT_TRUE(harness::Gone(window));
  EXPECT_TRUE(::IsWindowVisible(help));
  ASSERT_NO_FATAL_FAILURE(Open());
  Help::Close(help);
  EXPECT_TRUE(harness::Gone(help));
  EXPECT_TRUE(::IsWindowVisible(window));
  EXPECT_EQ(ExpectedDescription(), ItemText(window, fAbout::ID_lblDescription));
}

// --- The help window alone -----------------------------------------------------------------

namespace {

using HelpWindow = OwnedWindow<Help>;

// Position of a child in its parent's z-order, 0 at the top.
int ZIndex(HWND child) {
  int index = 0;
  for (HWND w = ::GetWindow(::GetParent(child), GW_CHILD); w;
       w = ::GetWindow(w, GW_HWNDNEXT), ++index)
    if (w == child) return index;
  return -1;
}

}  // namespace

TEST_F(HelpWindow, HeadingAndTextAreTheDesignedOnes) {
  HWND header = Item(window, fHelp::ID_lblHelpHeader), label = Item(window, fHelp::ID_lblHelp);
  ASSERT_TRUE(header && label);
  ExpectTheTexts();  // the heading, the text, and the title that stays "Help"
  EXPECT_TRUE(harness::HasFont(header, "Arial", -13, FW_BOLD, "U"));  // 9.75 points, underlined
  EXPECT_TRUE(harness::HasFont(label, "Arial", -11, FW_BOLD, ""));    // 8.25 points
}

TEST_F(HelpWindow, HeadingLiesInFrontOfTheCentredHelpPanel) {
  HWND header = Item(window, fHelp::ID_lblHelpHeader), label = Item(window, fHelp::ID_lblHelp);
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
  EXPECT_EQ(header, ::ChildWindowFromPointEx(window, middle, CWP_SKIPINVISIBLE));
}

TEST_F(HelpWindow, ColoursAreSteelBlueWhiteAndGrey) {
  using namespace harness::colours;
  for (int id : {fHelp::ID_lblHelpHeader, fHelp::ID_lblHelp}) {
    std::map<COLORREF, int> colours = harness::Colours(Item(window, id));
    EXPECT_EQ(kSteelBlue, harness::MostCommon(colours)) << id;
    EXPECT_GT(colours[kWhite], 20) << id;  // white text
  }
  // The window's own background shows in the margin round the panel.
  EXPECT_EQ(kWindowGrey, harness::PixelAt(window, 1, 1));
  EXPECT_EQ(kWindowGrey, harness::PixelAt(window, 311, 270));
}
