// The About dialog: one instance, owned by the main window, at its fixed place; its texts,
// icon and buttons; Esc, Enter and the close button; texts set afresh on every load; and the
// dialog beside the quick-help window and the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/fAbout.h"
#include "resources/Product.h"
#include "tests/Harness.h"
#include "version.h"

namespace {

const char kTitle[] = "About Varnelo";
const char kMsinfoKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char kLocationKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
const char kRegistryLock[] = "VarneloTestsMsinfoRegistry";  // shared with sysinfo_test

// The main window with the About dialog open: Open() presses "&About" and finds the dialog.
struct AboutDialog : harness::MainWindowTest {
  HWND about = nullptr;
  void SetUp() override { Open(); }
  void Open() {
    ASSERT_NE(nullptr, about = harness::OpenWindow(program, fMain::ID_cmdAbout, kTitle));
  }
};

HWND Item(HWND about, int id) { return ::GetDlgItem(about, id); }
std::string ItemText(HWND about, int id) { return harness::Text(Item(about, id)); }

std::string ExpectedDescription() {
  return std::string(
             "Varnelo is a handy tool which you can use to quickly view and use font characters on"
             " your computer. For more information on this and other software, Please contact us"
             " at: ") +
         product::kMakerUrl;
}

// The title and the texts that every load sets.
void ExpectTheTexts(HWND about) {
  EXPECT_EQ(kTitle, harness::Text(about));  // never "About MyApp"
  EXPECT_EQ("Varnelo", ItemText(about, fAbout::ID_lblTitle));
  EXPECT_EQ("Version " VARNELO_VERSION, ItemText(about, fAbout::ID_lblVersion));
  EXPECT_EQ(ExpectedDescription(), ItemText(about, fAbout::ID_lblDescription));
  EXPECT_EQ("", ItemText(about, fAbout::ID_lblDisclaimer));
}

// Major, minor and revision (the last of the four numbers) of this program's version record.
std::string VersionOfThisProgram() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  DWORD ignored = 0;
  DWORD size = ::GetFileVersionInfoSizeA(path, &ignored);
  if (!size) return "(no version record)";
  std::vector<BYTE> data(size);
  if (!::GetFileVersionInfoA(path, 0, size, data.data())) return "(unreadable)";
  VS_FIXEDFILEINFO* info = nullptr;
  UINT length = 0;
  if (!::VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&info), &length))
    return "(none)";
  return "Version " + std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
         std::to_string(LOWORD(info->dwFileVersionLS));
}

// The system information tool set to a copy of the marker, for the tests that press
// "&System Info..."; the registry values are put back afterwards.
struct MarkerAsSystemInformation {
  MarkerAsSystemInformation() {
    harness::DeleteRegistryValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO");
    ok = harness::CopyMarkerTo(dir + "tool.exe") &&
         harness::SetRegistryText(HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH", dir + "tool.exe");
  }
  ~MarkerAsSystemInformation() {
    harness::StartedProgramsEnded();  // a late start still finds its log
    harness::RemoveTree(dir);
  }

  harness::NamedLock lock{kRegistryLock};
  harness::SavedRegistryValue path{HKEY_LOCAL_MACHINE, kMsinfoKey, "PATH"},
      folder{HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO"};
  const std::string dir = harness::FreshFolder("about_sysinfo");
  const std::string log = dir + "started-" + std::to_string(::GetCurrentProcessId()) + ".log";
  harness::ScopedEnvironment environment{"VARNELO_MARKER_LOG", log.c_str()};
  bool ok = false;
};

// The colours of the window's small icon where its title bar shows an icon: the square at
// the left end of the caption.
size_t TitleIconColoursShown(HWND window) {
  HICON icon = reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(::GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) return 0;
  const int side = ::GetSystemMetrics(SM_CXSMICON);
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen, side, side);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::DrawIconEx(memory, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL);
  const auto drawn = harness::ColoursIn(memory, RECT{0, 0, side, side});
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);

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

}  // namespace

TEST_F(AboutDialog, RepeatedClicksKeepOneDialogAndBringItToTheFront) {
  EXPECT_EQ(about, ::GetForegroundWindow());
  // A mark on the open dialog shows that a further click does not load it again.
  ::SetWindowTextA(Item(about, fAbout::ID_lblTitle), "still the same dialog");
  for (int click = 0; click < 2; ++click) {
    ::SetForegroundWindow(program.window());
    harness::PumpUntil([&] { return ::GetForegroundWindow() == program.window(); }, 1000);
    ASSERT_EQ(program.window(), ::GetForegroundWindow());
    ::SendMessageA(program[fMain::ID_cmdAbout], BM_CLICK, 0, 0);
    harness::PumpUntil([&] { return ::GetForegroundWindow() == about; }, 1000);
    EXPECT_EQ(about, ::GetForegroundWindow()) << "click " << click;
  }
  std::vector<HWND> shown = harness::VisibleWindows(kTitle);
  ASSERT_EQ(1u, shown.size());
  EXPECT_EQ(about, shown.front());
  EXPECT_EQ(1u, harness::ProcessWindows(nullptr, kTitle).size());
  EXPECT_EQ("still the same dialog", ItemText(about, fAbout::ID_lblTitle));
  ASSERT_NE(nullptr, program.form().AboutDialog());
  EXPECT_EQ(about, program.form().AboutDialog()->hwnd());
}

TEST_F(AboutDialog, IsOwnedByTheMainWindowAtItsFixedPlaceAndSize) {
  EXPECT_EQ(program.window(), ::GetWindow(about, GW_OWNER));
  POINT origin{0, 0};
  ::ClientToScreen(about, &origin);
  EXPECT_EQ(156, origin.x);  // 2340 twips, not centred
  EXPECT_EQ(129, origin.y);  // 1935 twips
  RECT client = harness::ClientRect(about);
  EXPECT_EQ(382, client.right);
  EXPECT_EQ(237, client.bottom);
  LONG_PTR style = ::GetWindowLongPtrA(about, GWL_STYLE);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_CHILD));
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(::GetWindowLongPtrA(about, GWL_EXSTYLE) & WS_EX_APPWINDOW);
}

TEST_F(AboutDialog, ShowsTheProductTitleVersionAndDescription) {
  ExpectTheTexts(about);
  EXPECT_EQ(VersionOfThisProgram(), ItemText(about, fAbout::ID_lblVersion));
  const std::string description = ItemText(about, fAbout::ID_lblDescription);
  const std::string url = product::kMakerUrl;
  ASSERT_GE(description.size(), url.size());
  EXPECT_EQ(url, description.substr(description.size() - url.size()));
  EXPECT_TRUE(::IsWindowVisible(Item(about, fAbout::ID_lblDisclaimer)));  // present, empty
  // Labels wrap their text within their width.
  RECT descriptionRect = harness::RectInParent(Item(about, fAbout::ID_lblDescription));
  EXPECT_EQ(259, descriptionRect.right - descriptionRect.left);  // 3885 twips
}

TEST_F(AboutDialog, ShowsTheProgramIconInASunkenBorder) {
  HWND icon = Item(about, fAbout::ID_picIcon);
  ASSERT_NE(nullptr, icon);
  EXPECT_TRUE(::IsWindowVisible(icon));
  EXPECT_NE(0, ::SendMessageA(icon, STM_GETICON, 0, 0));
  EXPECT_EQ((harness::Box{16, 16, 36, 36}), harness::BoxOf(icon));
  RECT inner = harness::ClientRect(icon);
  EXPECT_EQ(32, inner.right);  // the 32 x 32 icon inside a border of 2
  // The picture is drawn: many colours, not a plain field.
  EXPECT_GT(harness::Colours(icon, 1).size(), 4u);  // kinds of colour, every pixel
  // And the title bar shows the icon, as the other windows' do.
  EXPECT_GT(TitleIconColoursShown(about), 4u);
}

TEST_F(AboutDialog, HasAnOkAndASystemInfoButtonTheOutlineOnTheOneEnterPresses) {
  HWND ok = Item(about, fAbout::ID_cmdOK), info = Item(about, fAbout::ID_cmdSysInfo);
  ASSERT_TRUE(ok && info);
  EXPECT_EQ("Button", harness::ClassName(ok));
  EXPECT_EQ("Button", harness::ClassName(info));
  EXPECT_EQ("OK", harness::Text(ok));
  EXPECT_EQ("&System Info...", harness::Text(info));
  EXPECT_EQ(ok, ::GetFocus());  // tab index 0
  EXPECT_EQ(MAKELRESULT(fAbout::ID_cmdOK, DC_HASDEFID), ::SendMessageA(about, DM_GETDEFID, 0, 0));
  // The default outline is on the button that Enter presses: OK, then wherever the dialog
  // manager moves the focus by Tab, an arrow key (onto the icon), the access key and Tab.
  MarkerAsSystemInformation tool;  // the access key presses "&System Info..."
  auto style = [](HWND button) { return ::GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK; };
  bool onOk = true;
  for (WORD key : {WORD(0), WORD(VK_TAB), WORD(VK_LEFT), WORD('S'), WORD(VK_TAB)}) {
    if (key) harness::PressKey(key, false, false, key == 'S');
    EXPECT_EQ(onOk ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, style(ok)) << key;
    EXPECT_EQ(onOk ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, style(info)) << key;
    onOk = !onOk;
  }
}

TEST_F(AboutDialog, EscClosesItWhicheverControlHasTheFocus) {
  MarkerAsSystemInformation tool;  // Esc must not press "&System Info..."
  ASSERT_TRUE(tool.ok);
  for (int id : {int(fAbout::ID_cmdOK), int(fAbout::ID_cmdSysInfo)}) {
    SCOPED_TRACE(id);
    ASSERT_NO_FATAL_FAILURE(Open());
    harness::FocusControl(Item(about, id));
    ASSERT_EQ(about, ::GetForegroundWindow());
    ASSERT_EQ(Item(about, id), ::GetFocus());
    harness::PressKey(VK_ESCAPE);
    EXPECT_TRUE(harness::Gone(about));
    EXPECT_TRUE(harness::VisibleWindows(kTitle).empty());
  }
  harness::StartedProgramsEnded();  // a start would have written by now
  EXPECT_TRUE(harness::ReadLines(tool.log).empty());
  EXPECT_TRUE(::IsWindowVisible(program.window()));
}

TEST_F(AboutDialog, EnterOnOkClosesIt) {
  harness::FocusControl(Item(about, fAbout::ID_cmdOK));
  harness::PressKey(VK_RETURN);
  EXPECT_TRUE(harness::Gone(about));
  EXPECT_TRUE(::IsWindowVisible(program.window()));
}

// Enter with the focus on "&System Info..." presses that button, however the focus got
// there: by Tab, by pressing the mouse on the button and sliding off it before letting go
// (focus without a click), or set from code.
TEST_F(AboutDialog, EnterOnSystemInfoPressesThatButtonInstead) {
  MarkerAsSystemInformation tool;
  ASSERT_TRUE(tool.ok);
  enum class Way { Tab, MouseSlideOff, SetFocus };
  size_t started = 0;
  for (Way way : {Way::Tab, Way::MouseSlideOff, Way::SetFocus}) {
    SCOPED_TRACE(static_cast<int>(way));
    ASSERT_NO_FATAL_FAILURE(Open());
    HWND info = Item(about, fAbout::ID_cmdSysInfo);
    harness::FocusControl(Item(about, fAbout::ID_cmdOK));
    if (way == Way::Tab) {
      harness::PressKey(VK_TAB);
    } else if (way == Way::MouseSlideOff) {
      RECT r = harness::ClientRect(info);
      POINT off{r.right / 2, -40};  // above the button, inside the dialog
      harness::Drag(info, POINT{r.right / 2, r.bottom / 2}, off);
    } else {
      ::SetFocus(info);
      harness::Drain();
    }
    ASSERT_EQ(info, ::GetFocus());
    ASSERT_TRUE(harness::ReadLines(tool.log).size() == started);  // not pressed yet
    harness::PressKey(VK_RETURN);
    EXPECT_TRUE(harness::WaitForLines(tool.log, started + 1));  // the tool was started
    started = harness::ReadLines(tool.log).size();
    EXPECT_TRUE(::IsWindow(about));  // and the dialog stays open
    EXPECT_TRUE(::IsWindowVisible(about));
    // Back on OK, Enter closes the dialog again.
    harness::FocusControl(Item(about, fAbout::ID_cmdOK));
    harness::PressKey(VK_RETURN);
    EXPECT_TRUE(harness::Gone(about));
    if (::IsWindow(about)) ::DestroyWindow(about);
  }
  harness::StartedProgramsEnded();
  EXPECT_EQ(3u, harness::ReadLines(tool.log).size());
}

TEST_F(AboutDialog, OkClickAndTheCloseButtonCloseIt) {
  ::SendMessageA(Item(about, fAbout::ID_cmdOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(harness::Gone(about));
  ASSERT_NO_FATAL_FAILURE(Open());
  ::SendMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(harness::Gone(about));
  EXPECT_TRUE(harness::ProcessWindows(nullptr, kTitle).empty());
  EXPECT_TRUE(::IsWindowVisible(program.window()));
}

TEST_F(AboutDialog, ReopeningSetsTheTextsAfresh) {
  ::SetWindowTextA(about, "changed");
  for (int id : {int(fAbout::ID_lblTitle), int(fAbout::ID_lblVersion),
                 int(fAbout::ID_lblDescription), int(fAbout::ID_lblDisclaimer)})
    ::SetWindowTextA(Item(about, id), "changed");
  ::SendMessageA(Item(about, fAbout::ID_cmdOK), BM_CLICK, 0, 0);
  ASSERT_TRUE(harness::Gone(about));

  ASSERT_NO_FATAL_FAILURE(Open());
  ExpectTheTexts(about);
  EXPECT_NE(0, ::SendMessageA(Item(about, fAbout::ID_picIcon), STM_GETICON, 0, 0));
}

TEST_F(AboutDialog, OpensTogetherWithTheHelpWindowEachOnItsOwn) {
  ASSERT_NE(nullptr, harness::OpenWindow(program, fMain::ID_cmdHelp, "Help"));
  ASSERT_NO_FATAL_FAILURE(Open());
  std::vector<HWND> helps = harness::ProcessWindows(nullptr, "Help");
  ASSERT_EQ(1u, helps.size());
  HWND help = helps.front();
  EXPECT_TRUE(::IsWindowVisible(help));
  EXPECT_EQ(program.window(), ::GetWindow(help, GW_OWNER));
  EXPECT_EQ(program.window(), ::GetWindow(about, GW_OWNER));

  // Closing one leaves the other.
  ::SendMessageA(Item(about, fAbout::ID_cmdOK), BM_CLICK, 0, 0);
  EXPECT_TRUE(harness::Gone(about));
  EXPECT_TRUE(::IsWindowVisible(help));
  ASSERT_NO_FATAL_FAILURE(Open());
  ::SendMessageA(help, WM_CLOSE, 0, 0);
  EXPECT_TRUE(harness::Gone(help));
  EXPECT_TRUE(::IsWindowVisible(about));
  EXPECT_EQ(ExpectedDescription(), ItemText(about, fAbout::ID_lblDescription));
}

TEST_F(AboutDialog, MainWindowStaysUsableWhileItIsOpen) {
  harness::FocusControl(program[fMain::ID_chkUnderline]);
  harness::PressKey(VK_SPACE);
  EXPECT_EQ(BST_CHECKED, ::SendMessageA(program[fMain::ID_chkUnderline], BM_GETCHECK, 0, 0));
  EXPECT_TRUE(harness::FontOf(view).lfUnderline);
  EXPECT_TRUE(::IsWindowVisible(about));
}

TEST_F(AboutDialog, IsHiddenWithTheMinimisedMainWindow) {
  ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(harness::Iconic(program.window()));
  EXPECT_FALSE(::IsWindowVisible(about));
  EXPECT_TRUE(::IsWindow(about));
  ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
  harness::PumpUntil([&] { return ::IsWindowVisible(about) != FALSE; }, 1000);
  EXPECT_TRUE(::IsWindowVisible(about));
}
