// What assistive technology reads, asked inside the program's process (the only place Wine 8
// answers): the name and role of every control that takes the focus, a picked keystroke
// announced, and the system's colours while high contrast is on.
#include <windows.h>

#include <gtest/gtest.h>
#include <oleacc.h>

#include <tuple>
#include <vector>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "tests/Harness.h"
#include "win/System.h"

namespace {

// The name and role of a window's client object, got through oleacc as a screen reader gets
// it (AccessibleObjectFromWindow) or as the platform makes it (CreateStdAccessibleObject).
std::pair<std::string, LONG> Read(const char* function, HWND window) {
  using Get = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
  IAccessible* object = nullptr;
  if (FAILED(win::SystemProcedure<Get>("oleacc.dll", function)(
          window, OBJID_CLIENT, IID_IAccessible, reinterpret_cast<void**>(&object))))
    return {"(no object)", 0};
  VARIANT self{}, role{};
  self.vt = VT_I4, self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  object->get_accName(self, &name);
  object->get_accRole(self, &role);
  std::pair<std::string, LONG> read{harness::ToAnsi(name ? name : L""), role.lVal};
  ::SysFreeString(name);
  object->Release();
  return read;
}

using Accessibility = harness::MainWindowTest;

}  // namespace

// The help window has nothing that takes the focus; its title names it.
TEST_F(Accessibility, EveryFocusableControlHasTheNameShownBesideOrOnIt) {
  // The main window's, then the About dialog's.
  std::vector<std::tuple<int, int, const char*, LONG>> focusable;  // opener, id, name, role
  for (const harness::MainControl& c : harness::kMainControls)
    if (c.name) focusable.emplace_back(0, c.id, c.name, c.role);
  focusable.emplace_back(fMain::ID_cmdAbout, fAbout::ID_cmdOK, "OK", ROLE_SYSTEM_PUSHBUTTON);
  focusable.emplace_back(fMain::ID_cmdAbout, fAbout::ID_cmdSysInfo, "System Info...",
                         ROLE_SYSTEM_PUSHBUTTON);
  for (const auto& [opener, id, expectedName, expectedRole] : focusable) {
    SCOPED_TRACE(expectedName);
    HWND window = opener ? harness::OpenWindow(program, opener, "About Varnelo") : nullptr;
    ASSERT_TRUE(window || !opener);
    HWND control = window ? ::GetDlgItem(window, id) : program[id];
    harness::FocusControl(control);
    HWND focus = ::GetFocus();  // a combo box's field, where it has one
    const auto [name, role] = Read("AccessibleObjectFromWindow", focus);
    EXPECT_EQ(expectedName, name);
    EXPECT_EQ(Read("CreateStdAccessibleObject", focus).second, role);  // the platform's own
    EXPECT_TRUE(role == expectedRole ||
                (role == ROLE_SYSTEM_CLIENT &&
                 harness::WineDiffers("Wine 8 gives most kinds the client role")));
  }
}

namespace {
std::vector<std::pair<HWND, std::string>> g_announced;  // each live region and its text then
void CALLBACK OnLiveRegion(HWINEVENTHOOK, DWORD, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
  if (object == OBJID_CLIENT && child == CHILDID_SELF)
    g_announced.push_back({hwnd, harness::Text(hwnd)});
}
}  // namespace

TEST_F(Accessibility, APickedKeystrokeIsAnnouncedOnceWithItsText) {
  const DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
  HWINEVENTHOOK hook =
      ::SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, ::GetModuleHandleA(nullptr),
                        &OnLiveRegion, ::GetCurrentProcessId(), 0, WINEVENT_INCONTEXT);
  ASSERT_NE(nullptr, hook);
  g_announced.clear();
  harness::ClickListRow(list, 64);  // "A"
  harness::PressKey(VK_DOWN);       // "B", moving through the list
  harness::ClickListRow(list, 65);  // "B" again: nothing new to say
  ::UnhookWinEvent(hook);
  using Announced = std::vector<std::pair<HWND, std::string>>;
  EXPECT_EQ((Announced{{label, "<ALT> + 065"}, {label, "<ALT> + 066"}}), g_announced);
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
  struct Theme {  // the system's colours, put back at the end
    COLORREF old[6];
    ~Theme() { ::SetSysColors(6, kKinds, old); }
  } theme;
  for (int i = 0; i < 6; ++i) theme.old[i] = ::GetSysColor(kKinds[i]);
  const COLORREF contrast[] = {RGB(0, 0, 0),   RGB(255, 255, 0), RGB(0, 0, 96),
                               RGB(0, 255, 0), RGB(0, 160, 160), RGB(0, 128, 255)};
  ::SetSysColors(6, kKinds, contrast);  // a high-contrast theme's
  fMainOptions options;
  options.highContrast = &HighContrastOfTheTest;
  harness::Program program(options);
  HWND help = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  ASSERT_TRUE(help && about);
  HWND helpText = ::GetDlgItem(help, fHelp::ID_lblHelp);
  const int rule = win::TwipsToPixels(2445, win::WindowDpi(nullptr));  // the About separator's grey
  const COLORREF grey = RGB(128, 128, 128), steel = RGB(128, 160, 192), field = RGB(224, 224, 224);
  // Where each paint shows, its colour in the design, and the system's colour for it.
  struct Paint {
    HWND window;
    POINT at;
    COLORREF design;
    int system;
  };
  const Paint paints[] = {{program.window(), {1, 1}, grey, COLOR_WINDOW},
                          {program[fMain::ID_picInterface], {2, 2}, steel, COLOR_BTNFACE},
                          {program[fMain::ID_lblnumfonts], {2, 2}, field, COLOR_WINDOW},
                          {program[fMain::ID_ListChars], {2, 40}, field, COLOR_WINDOW},
                          {helpText, {1, 1}, steel, COLOR_BTNFACE},
                          {about, {rule * 2, rule}, grey, COLOR_GRAYTEXT}};
  auto expect = [&](bool on) {
    SCOPED_TRACE(on ? "high contrast" : "design");
    auto colour = [on](COLORREF design, int system) { return on ? ::GetSysColor(system) : design; };
    for (const auto& p : paints)  // as the program painted them when told of the change
      EXPECT_EQ(colour(p.design, p.system), harness::ShownPixel(p.window, p.at.x, p.at.y));
    EXPECT_TRUE(harness::Colours(helpText, 1).count(colour(RGB(255, 255, 255), COLOR_BTNTEXT)));
    EXPECT_TRUE(harness::Colours(::GetDlgItem(about, fAbout::ID_lblTitle), 1)
                    .count(colour(RGB(0, 0, 0), COLOR_BTNTEXT)));
  };
  auto turn = [&](bool on) {  // as the system tells every window
    g_highContrast = on;
    for (HWND window : {program.window(), help, about})
      ::SendMessageA(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
    harness::Drain();
  };
  expect(true);
  turn(false);
  expect(false);
  turn(true);
  expect(true);
}
