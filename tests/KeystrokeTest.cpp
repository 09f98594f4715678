// The keystroke label: a click on a row of the Symbol List, or a mouse-button release in the
// Symbol View with exactly one character selected, shows "<ALT> + 0" and the character's
// code. Everything else leaves the label as it is. The two views don't follow each other, and
// the Symbol View takes no editing from the user.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/Harness.h"

using harness::SymbolIndex;  // the Symbol View's character of a code

namespace {

using Chars = std::pair<DWORD, DWORD>;  // the Symbol View's selection, as EditSelection reads it

struct Keystroke : harness::MainWindowTest {
  std::string Label() const { return harness::Text(label); }

  // The Symbol View in a face that is written left to right (the first family of the list may
  // be a vertical "@" face), so that characters sit side by side on their lines.
  void ChooseHorizontalFace() const {
    int index = static_cast<int>(::SendMessageA(fonts, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>("Liberation Sans")));
    for (int i = 0; index < 0 && i < harness::ComboCount(fonts); ++i)
      if (harness::ComboItem(fonts, i)[0] != '@') index = i;
    ASSERT_GE(index, 0);
    harness::ChooseComboItem(fonts, index);
    harness::Drain();
  }

  // Drags over the characters of the codes `first` to `last` in the Symbol View (one character
  // where they make one).
  void DragOver(int first, int last) const {
    harness::ScrollToChar(view, SymbolIndex(first));
    harness::DragOverChars(view, SymbolIndex(first), SymbolIndex(last));
  }
};

// The edit control's own context menu opens when the right button goes up and runs its own
// message loop until it is closed. A timer of this thread, which that loop dispatches too, ends
// every menu it finds open, so a right-click can't leave the test waiting.
std::set<HWND> g_menusEnded;
void CALLBACK EndOpenMenus(HWND, UINT, UINT_PTR, DWORD) {
  for (HWND menu : harness::ProcessWindows("#32768"))
    if (::IsWindowVisible(menu) && ::EndMenu()) g_menusEnded.insert(menu);
}

// A right-click at a point of the view, its context menu closed again.
void RightClick(HWND view, POINT at) {
  g_menusEnded.clear();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &EndOpenMenus);
  harness::SingleClick(view, at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  harness::PumpUntil([] { return !g_menusEnded.empty(); }, 3000);
  harness::Pump(100);
  ::KillTimer(nullptr, timer);
  EXPECT_EQ(1u, g_menusEnded.size()) << "the view's context menu";
}

// What the user does, step by step, each with the label shown after it. A step is a key (its
// virtual-key code), pressed where the focus is: in the list it moves to the row of `code`, in
// the Symbol View it is held with Shift and selects the characters `code` to `to`. Or else:
enum Do {
  Row = 0x100,  // a click on the row of `code`
  Drag,         // the mouse dragged over the characters `code` to `to`
  Caret,        // a click on the character `code`, which only places the caret
  Double,       // a double-click on it, which selects a run of characters
  RightUp,      // the right button released over it
  MiddleUp,     // the middle one
  Select,       // the characters `code` to `to` selected in the view, given the focus (`to` just
                // before `code`: only the caret placed)
  Font,         // the next entry of the font box chosen, as the user does with the mouse
  FontKey,      // the next one by the Down key in the font box
  Face,         // a face written left to right chosen
  None,         // nothing: a step that this code page has no character for
};
struct Step {
  int what;  // a key or a Do
  int code;
  const char* shown;
  int to = 0;  // 0: `code` alone
};
// Each pick sets the label, even to the text it shows; every other step leaves it alone: it is
// never set but by a row picked with the mouse or a key, or by a mouse button released in the
// view with exactly one character selected. The list's row and the view's characters stay
// selected but where a step of their own changes them, or a choice of font rebuilds the list;
// the view's text stays as it is throughout.
struct Steps {
  const char* name;
  std::vector<Step> steps;
};
const std::vector<Step> kRowClicks = {
    {Row, 1, "<ALT> + 01"},     {Row, 65, "<ALT> + 065"},   {Row, 255, "<ALT> + 0255"},
    {Row, 9, "<ALT> + 09"},     {Row, 200, "<ALT> + 0200"}, {Row, 10, "<ALT> + 010"},
    {Row, 128, "<ALT> + 0128"}, {Row, 99, "<ALT> + 099"},   {Row, 100, "<ALT> + 0100"}};
const std::vector<Step> kArrowKeys = {{Row, 65, "<ALT> + 065"},      {VK_DOWN, 66, "<ALT> + 066"},
                                      {VK_DOWN, 67, "<ALT> + 067"},  {VK_UP, 66, "<ALT> + 066"},
                                      {VK_UP, 65, "<ALT> + 065"},    {VK_UP, 64, "<ALT> + 064"},
                                      {VK_END, 255, "<ALT> + 0255"}, {VK_HOME, 1, "<ALT> + 01"}};
// In a double-byte code page one character of the view can be two codes: its keystroke is the
// two bytes as one signed 16-bit number (0x8182 is -32382).
const int kDragPair = ::IsDBCSLeadByte(0x81) ? Drag : None;
const std::vector<Step> kDrags = {
    {Drag, 'A', "<ALT> + 065"}, {Drag, '~', "<ALT> + 0126"}, {Drag, 255, "<ALT> + 0255"},
    {Drag, '!', "<ALT> + 033"}, {Drag, 200, "<ALT> + 0200"}, {kDragPair, 0x81, "<ALT> + 0-32382"}};
// A choice of font after a pick in either view: from the list, by key, and of another face.
const std::vector<Step> kFontChanges = {{Row, 200, "<ALT> + 0200"},   {Font, 0, "<ALT> + 0200"},
                                        {FontKey, 0, "<ALT> + 0200"}, {Face, 0, "<ALT> + 0200"},
                                        {Drag, 'z', "<ALT> + 0122"},  {Font, 0, "<ALT> + 0122"}};
// Two characters, then five; a click; a double-click.
const std::vector<Step> kOtherReleases = {{Row, 1, "<ALT> + 01"},
                                          {Drag, 'A', "<ALT> + 01", 'B'},
                                          {Drag, 'C', "<ALT> + 01", 'G'},
                                          {Caret, 'K', "<ALT> + 01"},
                                          {Double, 'M', "<ALT> + 01"}};
// Released over another character, the right button shows the selected one again; with two
// characters selected it changes nothing.
const std::vector<Step> kRightButton = {
    {Row, 1, "<ALT> + 01"},        {Drag, 'A', "<ALT> + 065"},      {Row, 1, "<ALT> + 01"},
    {RightUp, 'F', "<ALT> + 065"}, {Select, 71, "<ALT> + 065", 72}, {Row, 1, "<ALT> + 01"},
    {RightUp, 'A', "<ALT> + 01"}};
// The caret placed before A, then one character selected with Shift+Right, two, one again: no
// mouse yet, so the label stays until a button is released.
const std::vector<Step> kKeyboardSelection = {
    {Row, 1, "<ALT> + 01"},        {Select, 'A', "<ALT> + 01", 'A' - 1},
    {VK_RIGHT, 'A', "<ALT> + 01"}, {VK_RIGHT, 'A', "<ALT> + 01", 'B'},
    {VK_LEFT, 'A', "<ALT> + 01"},  {RightUp, 'Q', "<ALT> + 065"}};
const Step k65 = {Row, 65, "<ALT> + 065"};
const Steps kSteps[] = {
    {"ClickingARowShowsTheKeystrokeOfItsCharacter", kRowClicks},
    {"ClickingTheSameRowAgainShowsTheSameText", {k65, k65}},  // neither toggled nor cleared
    {"ClickingTheSelectedRowAfterAViewPickShowsTheRowAgain",
     {k65, {Drag, 'B', "<ALT> + 066"}, k65}},
    {"ArrowKeysInTheListShowTheNewRow", kArrowKeys},
    {"FontChangeKeepsTheLastKeystroke", kFontChanges},
    {"DraggingOverOneCharacterOfTheViewShowsItsCode", kDrags},
    {"ReleasesWithoutExactlyOneCharacterLeaveTheLabel", kOtherReleases},
    {"RightButtonReleaseWithOneCharacterSelectedShowsItsCode", kRightButton},
    {"MiddleButtonReleaseCountsLikeTheOthers",
     {{Row, 1, "<ALT> + 01"}, {Select, 'a', "<ALT> + 01"}, {MiddleUp, 'e', "<ALT> + 097"}}},
    {"KeyboardSelectionWaitsForTheNextMouseRelease", kKeyboardSelection},
    {"APickInOneViewSelectsNothingInTheOther",
     {{Select, 11, "", 20}, k65, {Row, 151, "<ALT> + 0151"}, {Drag, 'x', "<ALT> + 0120"}}}};
void PrintTo(const Steps& row, std::ostream* out) { *out << row.name; }
struct Stepping : Keystroke, testing::WithParamInterface<Steps> {};

}  // namespace

TEST_P(Stepping, ShowsTheKeystrokeOfEachPickAlone) {
  EXPECT_EQ("", Label());  // nothing picked yet
  ChooseHorizontalFace();
  const std::string symbols = harness::AllSymbols();
  harness::MessageLog texts(label, {WM_SETTEXT});
  int row = -1, sets = 0;
  Chars chars = harness::EditSelection(view);
  const std::vector<Step>& steps = GetParam().steps;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    const int what = step.what;
    if (what == None) continue;
    SCOPED_TRACE(testing::Message() << "step " << i << ", code " << step.code);
    const int first = SymbolIndex(step.code), end = SymbolIndex(step.to ? step.to : step.code) + 1;
    auto pointAt = [&] {
      return harness::ScrollToChar(view, first), harness::CharMiddle(view, first);
    };
    const bool inList = what == Row || (what < Row && ::GetFocus() == list);
    if (what == Row) harness::ClickListRow(list, step.code - 1);
    if (what == Drag) DragOver(step.code, step.to ? step.to : step.code);
    if (what == Select) {
      harness::FocusControl(view);
      ::SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(first), end);
    }
    if (what < Row) harness::PressKey(static_cast<WORD>(what), !inList);
    if (what == Drag || what == Select || (what < Row && !inList)) chars = Chars(first, end);
    if (what == Caret || what == Double) {
      const POINT at = pointAt();
      harness::SingleClick(view, at);
      if (what == Double) harness::Click(view, at.x, at.y);
      chars = harness::EditSelection(view);
      ASSERT_TRUE(what == Caret ? chars.first == chars.second : chars.second - chars.first >= 2)
          << chars.first << ".." << chars.second;
    }
    if (what == RightUp) RightClick(view, pointAt());
    if (what == MiddleUp)
      harness::SingleClick(view, pointAt(), MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
    if (what == Font)
      harness::ChooseComboItem(fonts,
                               (harness::ComboSelection(fonts) + 1) % harness::ComboCount(fonts));
    if (what == FontKey) {
      const int next = harness::ComboSelection(fonts) + 1;
      harness::FocusControl(fonts);
      harness::PressKey(VK_DOWN);
      EXPECT_EQ(next, harness::ComboSelection(fonts));
    }
    if (what == Face) ChooseHorizontalFace();
    harness::Drain();
    if (what == Font || what == FontKey || what == Face) row = -1;  // the list rebuilt
    if (inList) row = step.code - 1;
    // A pick: a row, or a release in the view with exactly one character selected.
    sets += inList || (what >= Drag && what <= MiddleUp && chars.second - chars.first == 1);
    ASSERT_EQ(row, harness::ListSelection(list));
    EXPECT_EQ(row < 0 ? 0u : 1u, ListView_GetSelectedCount(list));
    ASSERT_EQ(chars, harness::EditSelection(view));
    ASSERT_TRUE(!inList || ::GetFocus() == list) << "the list has the focus";
    EXPECT_EQ(step.shown, Label());
    EXPECT_EQ(sets, texts.Count(WM_SETTEXT));
    EXPECT_EQ(symbols, harness::Text(view));  // nothing pasted into it
  }
}

INSTANTIATE_TEST_SUITE_P(Keystroke, Stepping, testing::ValuesIn(kSteps),
                         testing::PrintToStringParamName());

TEST_F(Keystroke, SymbolViewTakesNoEditingFromTheUser) {
  ChooseHorizontalFace();
  const std::string symbols = harness::AllSymbols();
  const UINT marker = ::RegisterClipboardFormatA("Varnelo.KeystrokeTest");
  // Text for Ctrl+V, and a format of our own, put there as another program would.
  ASSERT_NO_FATAL_FAILURE(harness::PutOnClipboard({{CF_TEXT, "xyz"}, {marker, "xyz"}}));
  ASSERT_EQ("xyz", harness::ClipboardText());
  harness::ScrollToChar(view, SymbolIndex('A'));
  harness::FocusControl(view);
  ::SendMessageA(view, EM_SETSEL, 64, 64);

  harness::TypeText("qwe 1");
  for (WORD key : {VK_RETURN, VK_DELETE, VK_BACK}) harness::PressKey(key);
  EXPECT_EQ(symbols, harness::Text(view));
  ::SendMessageA(view, EM_SETSEL, 64, 67);
  for (WORD key : {VK_DELETE, VK_BACK}) harness::PressKey(key);
  harness::PressKey('X', false, true);  // Ctrl+X
  harness::PressKey(VK_DELETE, true);   // Shift+Delete, the other cut
  harness::PressKey('V', false, true);  // Ctrl+V
  harness::PressKey(VK_INSERT, true);   // Shift+Insert, the other paste
  harness::TypeText("a");
  EXPECT_EQ(symbols, harness::Text(view));
  EXPECT_FALSE(::SendMessageA(view, EM_GETMODIFY, 0, 0));
  EXPECT_EQ(view, ::GetFocus());
  // Nothing was cut: the clipboard holds what it held.
  EXPECT_EQ("xyz", harness::ClipboardText());
  EXPECT_TRUE(harness::ClipboardHas(marker));

  // While selecting works.
  EXPECT_EQ(Chars(64, 67), harness::EditSelection(view));
  harness::PressKey(VK_RIGHT, true);
  EXPECT_EQ(Chars(64, 68), harness::EditSelection(view));
  DragOver('D', 'D');
  EXPECT_EQ(Chars(67, 68), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 068", Label());
  EXPECT_EQ(symbols, harness::Text(view));
}
