// What assistive technology is told, through the platform's annotation service reached as on
// Windows, by the program's own CoCreateInstance: the name of each control whose caption
// stands elsewhere, the keystroke label as a polite live region announced once per new
// keystroke, all of it cleared when the window goes; and the system's colours while high
// contrast is on. Wine 8's service answers E_NOTIMPL: this test program registers itself as
// the service's library, where COM looks the class up, and records what it is asked.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "tests/Harness.h"

namespace {

// PROPID_ACC_NAME, PROPID_ACC_ROLE, and UI Automation's LiveSetting.
constexpr GUID kName = {
    0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
constexpr GUID kRole = {
    0xcb905ff2, 0x7bd1, 0x4c05, {0xb3, 0xc8, 0xe6, 0xc2, 0x41, 0x36, 0x4d, 0x70}};
constexpr GUID kLive = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
const char kServiceKey[] =
    "Software\\Classes\\CLSID\\{b5f8350b-0548-48b1-a6ee-88bd00b4a5e7}\\InprocServer32";

// What the service was asked, in order, a line each: "set", the control, the property and
// its value ("Font", 1 for polite, 18 for a dialog), or "clear", the control and the property.
std::vector<std::string> g_asked;
std::string Asked(const char* what, HWND control, const GUID& property, const std::string& value) {
  return std::string(what) + " " + std::to_string(reinterpret_cast<UINT_PTR>(control)) +
         (IsEqualGUID(property, kName)   ? " name "
          : IsEqualGUID(property, kLive) ? " live "
          : IsEqualGUID(property, kRole) ? " role "
                                         : " ? ") +
         value;
}

// The service, in place of oleacc's: it records what it is asked of a client object and says yes.
struct StandIn final : IClassFactory, IAccPropServices {
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override {
    if (IsEqualIID(iid, __uuidof(IClassFactory)) || IsEqualIID(iid, __uuidof(IUnknown)))
      return *object = static_cast<IClassFactory*>(this), S_OK;
    return CreateInstance(nullptr, iid, object);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return 2; }
  STDMETHODIMP_(ULONG) Release() override { return 1; }
  STDMETHODIMP CreateInstance(IUnknown*, REFIID, void** object) override {
    *object = static_cast<IAccPropServices*>(this);
    return S_OK;
  }
  STDMETHODIMP LockServer(BOOL) override { return S_OK; }
  STDMETHODIMP SetHwndProp(HWND hwnd, DWORD, DWORD, MSAAPROPID id, VARIANT value) override {
    return g_asked.push_back(Asked("set", hwnd, id, std::to_string(value.lVal))), S_OK;
  }
  STDMETHODIMP SetHwndPropStr(HWND hwnd, DWORD, DWORD, MSAAPROPID id, LPCWSTR name) override {
    return g_asked.push_back(Asked("set", hwnd, id, harness::ToAnsi(name))), S_OK;
  }
  STDMETHODIMP ClearHwndProps(HWND hwnd, DWORD, DWORD, const MSAAPROPID* ids, int n) override {
    for (int i = 0; i < n; ++i) g_asked.push_back(Asked("clear", hwnd, ids[i], ""));
    return S_OK;
  }
// Nothing else is asked.
#define NOT_ASKED(method, ...) \
  STDMETHODIMP method(__VA_ARGS__) override { return E_NOTIMPL; }
  NOT_ASKED(SetPropValue, const BYTE*, DWORD, MSAAPROPID, VARIANT);
  NOT_ASKED(SetPropServer, const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope);
  NOT_ASKED(ClearProps, const BYTE*, DWORD, const MSAAPROPID*, int);
  NOT_ASKED(SetHwndPropServer, HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
            AnnoScope);
  NOT_ASKED(ComposeHwndIdentityString, HWND, DWORD, DWORD, BYTE**, DWORD*);
  NOT_ASKED(DecomposeHwndIdentityString, const BYTE*, DWORD, HWND*, DWORD*, DWORD*);
  NOT_ASKED(SetHmenuProp, HMENU, DWORD, MSAAPROPID, VARIANT);
  NOT_ASKED(SetHmenuPropStr, HMENU, DWORD, MSAAPROPID, LPCWSTR);
  NOT_ASKED(SetHmenuPropServer, HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*, AnnoScope);
  NOT_ASKED(ClearHmenuProps, HMENU, DWORD, const MSAAPROPID*, int);
  NOT_ASKED(ComposeHmenuIdentityString, HMENU, DWORD, BYTE**, DWORD*);
  NOT_ASKED(DecomposeHmenuIdentityString, const BYTE*, DWORD, HMENU*, DWORD*);
} g_standIn;

}  // namespace

// COM loads this program as the service's library (exported undecorated, see CMakeLists.txt).
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE
    DllGetClassObject(REFCLSID, REFIID iid, void** object) {
  return g_standIn.QueryInterface(iid, object);
}
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

namespace {
std::vector<std::pair<HWND, std::string>> g_announced;  // each live region and its text then
void CALLBACK OnLiveRegion(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF)
    g_announced.push_back({hwnd, harness::Text(hwnd)});
}

// Registered under HKLM\Software\Classes in this program's own view, which Wine 8 honours
// over its built-in class (a per-user registration it ignores), and put back at the end.
struct Accessibility : testing::Test {
  harness::SavedRegistryValue library{HKEY_LOCAL_MACHINE, kServiceKey, ""},
      threading{HKEY_LOCAL_MACHINE, kServiceKey, "ThreadingModel"};
  void SetUp() override {
    ASSERT_TRUE(harness::SetRegistryText(HKEY_LOCAL_MACHINE, kServiceKey, "",
                                         harness::TestDir() + "accessibility_test.exe"));
    ASSERT_TRUE(
        harness::SetRegistryText(HKEY_LOCAL_MACHINE, kServiceKey, "ThreadingModel", "Both"));
    g_asked.clear();
    g_announced.clear();
  }
};
}  // namespace

TEST_F(Accessibility, NamesAndTheLiveRegionAreAnnotatedAnnouncedAndClearedWithTheWindow) {
  std::vector<std::string> set, cleared;
  {
    harness::Program program;
    COMBOBOXINFO size{};
    size.cbSize = sizeof size;
    ASSERT_TRUE(::GetComboBoxInfo(program[fMain::ID_cboSize], &size));
    HWND label = program[fMain::ID_lblKeycode], list = program[fMain::ID_ListChars];

    const DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
    HWINEVENTHOOK hook =
        ::SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, ::GetModuleHandleA(nullptr),
                          &OnLiveRegion, ::GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
    ASSERT_NE(nullptr, hook);
    harness::ClickListRow(list, 64);  // "A"
    harness::PressKey(VK_DOWN);       // "B", moving through the list
    harness::ClickListRow(list, 65);  // "B" again: nothing new to say
    ::UnhookWinEvent(hook);
    using Announced = std::vector<std::pair<HWND, std::string>>;
    EXPECT_EQ((Announced{{label, "<ALT> + 065"}, {label, "<ALT> + 066"}}), g_announced);

    // In the order of the design, the controls whose names the platform would not find (the
    // check boxes and buttons show theirs); then the About dialog, heard as a dialog.
    const std::tuple<HWND, GUID, const char*> annotated[] = {
        {program[fMain::ID_cboFonts], kName, "Font"},
        {program[fMain::ID_txtSymbol], kName, "Symbol View"},
        {program[fMain::ID_cboSize], kName, "Size"},
        {size.hwndItem, kName, "Size"},
        {label, kLive, "1"},  // polite
        {list, kName, "Symbol List"}};
    for (const auto& [control, property, value] : annotated) {
      set.push_back(Asked("set", control, property, value));
      cleared.push_back(Asked("clear", control, property, ""));
    }
    HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
    set.push_back(Asked("set", about, kRole, std::to_string(ROLE_SYSTEM_DIALOG)));
    cleared.insert(cleared.begin(), Asked("clear", about, kRole, ""));  // owned, it goes first
    EXPECT_EQ(set, g_asked);
  }
  set.insert(set.end(), cleared.begin(), cleared.end());  // when the windows go
  EXPECT_EQ(set, g_asked);
}

namespace {
bool g_highContrast = true;
bool HighContrastOfTheTest() { return g_highContrast; }

const int kKinds[] = {COLOR_WINDOW,  COLOR_WINDOWTEXT, COLOR_BTNFACE,
                      COLOR_BTNTEXT, COLOR_GRAYTEXT,   COLOR_HIGHLIGHT};
}  // namespace

TEST(HighContrast, TheSystemsColoursWhileOnTheDesignsWhileOffSwitchedLive) {
  // Wine 8 has no high contrast (SPI_SETHIGHCONTRAST fails; SPI_GETHIGHCONTRAST says off).
  harness::WineDiffers("no high contrast: the program is asked through its seam");
  COLORREF old[6];  // the system's colours, put back at the end
  for (int i = 0; i < 6; ++i) old[i] = ::GetSysColor(kKinds[i]);
  const harness::OnExit restore([&] { ::SetSysColors(6, kKinds, old); });
  const COLORREF contrast[] = {RGB(0, 0, 0),   RGB(255, 255, 0), RGB(0, 0, 96),
                               RGB(0, 255, 0), RGB(0, 160, 160), RGB(0, 128, 255)};
  ::SetSysColors(6, kKinds, contrast);  // a high-contrast theme's
  fMainOptions options;
  options.highContrast = &HighContrastOfTheTest;
  harness::Program program(options);
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(help && about);
  HWND helpText = harness::Item(help, fHelp::ID_lblHelp);
  const int rule = win::TwipsToPixels(2445, win::WindowDpi(nullptr));  // the About separator's grey
  using namespace harness::colours;
  // Where each paint shows, its colour in the design, and the system's colour for it.
  struct Paint {
    HWND window;
    POINT at;
    COLORREF design;
    int system;
  };
  const Paint paints[] = {{program.window(), {1, 1}, kWindowGrey, COLOR_WINDOW},
                          {program[fMain::ID_picInterface], {2, 2}, kSteelBlue, COLOR_BTNFACE},
                          {program[fMain::ID_lblnumfonts], {2, 2}, kFieldGrey, COLOR_WINDOW},
                          {program[fMain::ID_ListChars], {2, 40}, kFieldGrey, COLOR_WINDOW},
                          {helpText, {1, 1}, kSteelBlue, COLOR_BTNFACE},
                          {about, {rule * 2, rule}, kWindowGrey, COLOR_GRAYTEXT}};
  auto expect = [&](bool on) {
    SCOPED_TRACE(on ? "high contrast" : "design");
    auto colour = [on](COLORREF design, int system) { return on ? ::GetSysColor(system) : design; };
    for (const auto& p : paints)  // as the program painted them when told of the change
      EXPECT_EQ(colour(p.design, p.system), harness::ShownPixel(p.window, p.at.x, p.at.y));
    EXPECT_TRUE(harness::Colours(helpText, 1).count(colour(kWhite, COLOR_BTNTEXT)));
    EXPECT_TRUE(harness::Colours(harness::Item(about, fAbout::ID_lblTitle), 1)
                    .count(colour(kBlack, COLOR_BTNTEXT)));
  };
  auto turn = [&](bool on) {  // as the system tells every window
    g_highContrast = on;
    for (HWND window : {program.window(), help, about})
      ::SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    harness::Drain();
  };
  expect(true);
  for (bool on : {false, true}) turn(on), expect(on);
}
