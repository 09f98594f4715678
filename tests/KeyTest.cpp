// Every key a user may press, in each of the twelve controls that take the focus, through the
// program's own message loop: afterwards every control is still there where the design put
// it, the Symbol View still holds its characters, only what the design lets that key change
// has changed, and the window answers. Where a key does something by design (Space ticks a
// check box, Alt+Down opens a list, Enter presses a button) that is checked too.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "dialogs/fAbout.h"
#include "tests/Harness.h"

using harness::HasFocus;
using harness::Program;

namespace {

// A key, pressed with the modifiers its name begins with ("Shift+Tab", "Ctrl+A", "Alt+F").
struct Key {
  const char* name;
  WORD vk;
  bool With(const char* modifier) const {
    return std::strncmp(name, modifier, std::strlen(modifier)) == 0;
  }
};

// The access keys of the design's captions come last.
const Key kKeys[] = {
    {"Esc", VK_ESCAPE},    {"Enter", VK_RETURN},   {"Tab", VK_TAB},     {"Shift+Tab", VK_TAB},
    {"Left", VK_LEFT},     {"Right", VK_RIGHT},    {"Up", VK_UP},       {"Down", VK_DOWN},
    {"Home", VK_HOME},     {"End", VK_END},        {"PgUp", VK_PRIOR},  {"PgDn", VK_NEXT},
    {"Delete", VK_DELETE}, {"Backspace", VK_BACK}, {"Space", VK_SPACE}, {"F4", VK_F4},
    {"Alt+Down", VK_DOWN}, {"Ctrl+A", 'A'},        {"Ctrl+C", 'C'},     {"Ctrl+V", 'V'},
    {"Ctrl+X", 'X'},       {"Ctrl+Z", 'Z'},        {"Q", 'Q'},          {"Alt+F", 'F'},
    {"Alt+S", 'S'},        {"Alt+P", 'P'},         {"Alt+K", 'K'},      {"Alt+B", 'B'},
    {"Alt+U", 'U'},        {"Alt+I", 'I'},         {"Alt+C", 'C'},      {"Alt+A", 'A'},
    {"Alt+H", 'H'}};

// What the design lets a key do in a control.
struct Effect {
  int ticks = 0;  // the check box it ticks or clears
  bool opensHelp = false, opensAbout = false, visits = false, dropsList = false;
  bool focusesCopy = false;  // the access key of a caption label
  bool mayTickStrikeOut = false;
  // May change, as the control's own keys do: the chosen font, the size, the keystroke.
  bool font = false, size = false, keystroke = false;
};

Effect EffectOf(int id, const Key& key) {
  Effect e;
  const bool combo = id == fMain::ID_cboFonts || id == fMain::ID_cboSize;
  if (key.With("Alt+")) {
    const std::map<WORD, int> boxes = {
        {'B', fMain::ID_chkBold}, {'I', fMain::ID_chkItalic}, {'U', fMain::ID_chkUnderline}};
    e.ticks = boxes.count(key.vk) ? boxes.at(key.vk) : 0;
    e.opensAbout = key.vk == 'A';
    e.opensHelp = key.vk == 'H';
    e.focusesCopy = key.vk == 'F' || key.vk == 'P' || key.vk == 'K';
    // S is the access key of the StrikeOut box and of three caption labels. Wine's dialog
    // manager ticks the box when it is the next of them; Windows only moves the focus to
    // a control whose access key others share.
    e.mayTickStrikeOut = key.vk == 'S';
    e.dropsList = combo && key.vk == VK_DOWN;
    return e;
  }
  const bool plain = !key.With("Shift+") && !key.With("Ctrl+");
  const bool press = plain && (key.vk == VK_RETURN || key.vk == VK_SPACE);
  e.opensHelp = press && id == fMain::ID_cmdHelp;
  e.opensAbout = press && id == fMain::ID_cmdAbout;
  e.visits = press && id == fMain::ID_cmdVisit;
  if (plain && key.vk == VK_SPACE && std::ranges::count(harness::kStyleBoxes, id)) e.ticks = id;
  e.dropsList = combo && plain && key.vk == VK_F4;
  const bool moves =
      plain && ((key.vk >= VK_PRIOR && key.vk <= VK_DOWN) || key.vk == 'Q' || key.vk == VK_SPACE);
  e.font = moves && id == fMain::ID_cboFonts;
  e.size = moves && id == fMain::ID_cboSize;
  e.keystroke = moves && id == fMain::ID_ListChars;
  return e;
}

bool IsOpen(const char* title) { return !harness::VisibleWindows(title).empty(); }

// Back to the state every row starts from.
void PutBack(const Program& program) {
  for (const char* title : {"Help", "About Varnelo"})
    for (HWND window : harness::VisibleWindows(title)) ::SendMessageA(window, WM_CLOSE, 0, 0);
  for (int id : {fMain::ID_cboFonts, fMain::ID_cboSize})
    ::SendMessageA(program[id], CB_SHOWDROPDOWN, FALSE, 0);
  for (int id : harness::kStyleBoxes)
    if (harness::IsChecked(program[id])) ::SendMessageA(program[id], BM_CLICK, 0, 0);
  if (harness::ComboSelection(program[fMain::ID_cboFonts]) != 0)
    harness::ChooseComboItem(program[fMain::ID_cboFonts], 0);
  HWND size = program[fMain::ID_cboSize];
  if (harness::ComboSelection(size) != 9 || harness::Text(size) != "24")
    harness::ChooseComboItem(size, 9);
  ::SetWindowTextA(program[fMain::ID_lblKeycode], "");
  harness::Drain();
}

}  // namespace

TEST(Keys, EveryKeyInEveryControlLeavesTheWindowWhole) {
  harness::Browser browser;  // the one the web button's address reaches
  ASSERT_TRUE(browser.Install());
  Program program;
  PutBack(program);
  const harness::Snapshot start = harness::SnapshotOf(program);
  ASSERT_EQ(harness::AllSymbols(), start[fMain::ID_txtSymbol].text);
  size_t visits = 0;
  for (int id : harness::Focusable()) {
    for (const Key& key : kKeys) {
      SCOPED_TRACE(testing::Message() << "control " << id << ", " << key.name);
      const Effect effect = EffectOf(id, key);
      HWND control = program[id];
      // The browser that a press of the web button started may take the activation for a while.
      ASSERT_TRUE(harness::PumpUntil(
          [&] { return harness::FocusControl(control), HasFocus(control); }, 5000))
          << harness::ClassName(::GetForegroundWindow());
      harness::PressKey(key.vk, key.With("Shift+"), key.With("Ctrl+"), key.With("Alt+"));
      if (effect.opensHelp || effect.opensAbout)
        harness::PumpUntil([] { return IsOpen("Help") || IsOpen("About Varnelo"); }, 2000);
      if (effect.visits) {
        EXPECT_TRUE(browser.Requested(++visits)) << "the web button's address";
      }

      // The window answers, with every control where it was.
      ASSERT_TRUE(
          ::SendMessageTimeoutA(program.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, nullptr));
      const harness::Snapshot now = harness::SnapshotOf(program);
      for (const auto& [which, shown] : now.controls) {
        EXPECT_EQ(start[which].box, shown.box) << "control " << which;
        EXPECT_TRUE(shown.visible) << "control " << which;
      }
      EXPECT_EQ(start[fMain::ID_txtSymbol].text, now[fMain::ID_txtSymbol].text);

      // Only what the key may change has changed.
      for (int box : harness::kStyleBoxes) {
        if (box == fMain::ID_chkStrikeOut && effect.mayTickStrikeOut) continue;
        EXPECT_EQ(effect.ticks == box ? BST_CHECKED : BST_UNCHECKED, now[box].check)
            << "check box " << box;
      }
      if (!effect.size && !effect.ticks && !effect.mayTickStrikeOut) {
        EXPECT_EQ(start[fMain::ID_txtSymbol].height, now[fMain::ID_txtSymbol].height);
      }
      if (!effect.font) {
        EXPECT_EQ(start[fMain::ID_txtSymbol].face, now[fMain::ID_txtSymbol].face);
        EXPECT_EQ(start[fMain::ID_lblPreview].text, now[fMain::ID_lblPreview].text);
      }
      if (!effect.keystroke) {
        EXPECT_EQ(start[fMain::ID_lblKeycode].text, now[fMain::ID_lblKeycode].text);
      }
      EXPECT_EQ(effect.opensHelp, IsOpen("Help"));
      EXPECT_EQ(effect.opensAbout, IsOpen("About Varnelo"));
      for (int combo : {fMain::ID_cboFonts, fMain::ID_cboSize})
        EXPECT_EQ(effect.dropsList && combo == id,
                  ::SendMessageA(program[combo], CB_GETDROPPEDSTATE, 0, 0) != 0)
            << "the list of " << combo;
      if (key.vk == VK_TAB) {
        EXPECT_TRUE(HasFocus(::GetNextDlgTabItem(program.window(), control, key.With("Shift+"))));
      }
      if (effect.focusesCopy) {
        EXPECT_TRUE(HasFocus(program[fMain::ID_cmdCopy]));
      }
      PutBack(program);
    }
  }
  EXPECT_TRUE(browser.Requested(visits)) << "no more requests than presses";
}

// After a switch to another window and back, and after minimise and restore, the focus is where
// it was left: in each control that takes it (the size box's field too), and in the About dialog.
TEST(Keys, TheFocusComesBackWhereItWasLeft) {
  Program program;
  HWND about = harness::OpenWindow(program, fMain::ID_cmdAbout, "About Varnelo");
  std::vector<HWND> controls = {::GetDlgItem(about, fAbout::ID_cmdOK),
                                ::GetDlgItem(about, fAbout::ID_cmdSysInfo)};
  for (int id : harness::Focusable()) controls.push_back(program[id]);
  HWND elsewhere = harness::OpenWindow(program, fMain::ID_cmdHelp, "Help");
  for (HWND control : controls) {
    for (bool minimise : {true, false}) {
      harness::FocusControl(control);
      if (minimise) {
        ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ::SendMessageA(program.window(), WM_SYSCOMMAND, SC_RESTORE, 0);
      } else {
        harness::FocusControl(elsewhere);
      }
      ::SetForegroundWindow(::GetAncestor(control, GA_ROOT));  // the user is back in its window
      EXPECT_TRUE(harness::PumpUntil([&] { return HasFocus(control); }, 1000)) << control;
    }
  }
}
