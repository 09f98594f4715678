// The keystroke label: a click on a row of the Symbol List, or a mouse-button release in the
// Symbol View with exactly one character selected, shows "<ALT> + 0" and the character's
// code. Everything else leaves the label as it is. The two views don't follow each other, and
// the Symbol View takes no editing from the user.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/Harness.h"

using harness::Program;
using harness::SymbolIndex;  // the Symbol View's character of a code

namespace {

using Keystroke = harness::MainWindowTest;

const char kKeystroke[] = "<ALT> + 0";

// The Symbol View in a face that is written left to right (the first family of the list may
// be a vertical "@" face), so that characters sit side by side on their lines.
void ChooseHorizontalFace(const Program& program) {
  HWND fonts = program[fMain::ID_cboFonts];
  int index = static_cast<int>(::SendMessageA(fonts, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                              reinterpret_cast<LPARAM>("Liberation Sans")));
  for (int i = 0; index < 0 && i < harness::ComboCount(fonts); ++i)
    if (harness::ComboItem(fonts, i)[0] != '@') index = i;
  ASSERT_GE(index, 0);
  harness::ChooseComboItem(fonts, index);
  harness::Drain();
}

// Drags over the one character of `code` in the Symbol View.
void DragOverCode(HWND view, int code) {
  harness::ScrollToChar(view, SymbolIndex(code));
  harness::DragOverChars(view, SymbolIndex(code), SymbolIndex(code));
}

std::string Label(const Program& program) { return harness::Text(program[fMain::ID_lblKeycode]); }

// A face written left to right, and the first row picked: the label shows code 1.
void PickTheFirstRow(const Program& program) {
  ChooseHorizontalFace(program);
  harness::ClickListRow(program[fMain::ID_ListChars], 0);
  ASSERT_EQ("<ALT> + 01", Label(program));
}

// The edit control's own context menu opens when the right button goes up and runs its own
// message loop until it is closed. This closes every visible popup menu of the process with
// Esc from a thread of its own, so a right-click can't leave the test waiting.
class MenuCloser {
 public:
  MenuCloser() : thread_([this] { Run(); }) {}
  ~MenuCloser() {
    stop_ = true;
    thread_.join();
  }
  int Closed() const { return closed_; }

 private:
  static HWND VisibleMenu() {
    for (HWND menu : harness::ProcessWindows("#32768"))
      if (::IsWindowVisible(menu)) return menu;
    return nullptr;
  }

  void Run() {
    int tries = 0;
    HWND last = nullptr;
    while (!stop_) {
      HWND menu = VisibleMenu();
      if (!menu) {
        if (last) ++closed_, last = nullptr, tries = 0;
        ::Sleep(20);
        continue;
      }
      last = menu;
      if (++tries > 5) {
        // Esc did not reach it: the menu window takes the key directly.
        ::PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
      } else {
        INPUT key[2] = {};
        key[0].type = key[1].type = INPUT_KEYBOARD;
        key[0].ki.wVk = key[1].ki.wVk = VK_ESCAPE;
        key[1].ki.dwFlags = KEYEVENTF_KEYUP;
        ::SendInput(2, key, sizeof key[0]);
      }
      ::Sleep(150);
    }
  }

  std::atomic<bool> stop_{false};
  std::atomic<int> closed_{0};
  std::thread thread_;
};

// A right-click at a point of the view, its context menu closed again.
void RightClick(HWND view, POINT at) {
  MenuCloser closer;
  harness::SingleClick(view, at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  harness::PumpUntil([&] { return closer.Closed() > 0; }, 3000);
  harness::Pump(100);
  EXPECT_EQ(1, closer.Closed()) << "the view's context menu";
}

}  // namespace

TEST_F(Keystroke, ClickingARowShowsTheKeystrokeOfItsCharacter) {
  EXPECT_EQ("", Label(program));  // nothing picked yet
  const std::pair<int, const char*> rows[] = {
      {1, "<ALT> + 01"},     {65, "<ALT> + 065"},   {255, "<ALT> + 0255"},
      {9, "<ALT> + 09"},     {200, "<ALT> + 0200"}, {10, "<ALT> + 010"},
      {128, "<ALT> + 0128"}, {99, "<ALT> + 099"},   {100, "<ALT> + 0100"}};
  for (const auto& [code, text] : rows) {
    SCOPED_TRACE(code);
    harness::ClickListRow(list, code - 1);
    ASSERT_EQ(code - 1, harness::ListSelection(list));
    EXPECT_EQ(text, Label(program));
  }
}

TEST_F(Keystroke, ClickingTheSameRowAgainShowsTheSameText) {
  harness::MessageLog texts(label, {WM_SETTEXT});
  harness::ClickListRow(list, 64);
  EXPECT_EQ("<ALT> + 065", Label(program));
  harness::ClickListRow(list, 64);
  EXPECT_EQ("<ALT> + 065", Label(program));  // neither toggled nor cleared
  EXPECT_EQ(64, harness::ListSelection(list));
  EXPECT_TRUE(harness::Sequence(texts, {{WM_SETTEXT}, {WM_SETTEXT}}));  // each click set it
}

TEST_F(Keystroke, ClickingTheSelectedRowAfterAViewPickShowsTheRowAgain) {
  ChooseHorizontalFace(program);
  harness::ClickListRow(list, 64);
  ASSERT_EQ("<ALT> + 065", Label(program));
  DragOverCode(view, 'B');
  ASSERT_EQ(std::make_pair(DWORD(65), DWORD(66)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 066", Label(program));
  ASSERT_EQ(64, harness::ListSelection(list));  // the row is still the selected one
  harness::ClickListRow(list, 64);
  EXPECT_EQ("<ALT> + 065", Label(program));
}

TEST_F(Keystroke, ArrowKeysInTheListShowTheNewRow) {
  harness::ClickListRow(list, 64);
  ASSERT_EQ(list, ::GetFocus());
  const std::pair<WORD, int> steps[] = {{VK_DOWN, 65}, {VK_DOWN, 66}, {VK_UP, 65}, {VK_UP, 64},
                                        {VK_UP, 63},   {VK_END, 254}, {VK_HOME, 0}};
  for (const auto& [key, row] : steps) {
    SCOPED_TRACE(row);
    harness::PressKey(key);
    EXPECT_EQ(row, harness::ListSelection(list));
    EXPECT_EQ("<ALT> + 0" + std::to_string(row + 1), Label(program));
  }
}

// A choice of font rebuilds the list and leaves the label as it is, after a pick in either view.
TEST_F(Keystroke, FontChangeKeepsTheLastKeystroke) {
  auto chooseNextFont = [&] {
    harness::ChooseComboItem(fonts,
                             (harness::ComboSelection(fonts) + 1) % harness::ComboCount(fonts));
    harness::Drain();
  };
  ChooseHorizontalFace(program);
  harness::ClickListRow(list, 199);
  ASSERT_EQ(199, harness::ListSelection(list));
  ASSERT_EQ("<ALT> + 0200", Label(program));
  harness::MessageLog texts(label, {WM_SETTEXT});
  chooseNextFont();
  EXPECT_EQ(-1, harness::ListSelection(list));  // rebuilt
  EXPECT_EQ("<ALT> + 0200", Label(program));
  EXPECT_TRUE(harness::Sequence(texts, {}));
  // By key as well.
  const int next = harness::ComboSelection(fonts) + 1;
  harness::FocusControl(fonts);
  harness::PressKey(VK_DOWN);
  EXPECT_EQ(next, harness::ComboSelection(fonts));
  EXPECT_EQ("<ALT> + 0200", Label(program));
  EXPECT_TRUE(harness::Sequence(texts, {}));

  ChooseHorizontalFace(program);
  DragOverCode(view, 'z');
  ASSERT_EQ("<ALT> + 0122", Label(program));
  chooseNextFont();
  EXPECT_EQ("<ALT> + 0122", Label(program));
}

TEST_F(Keystroke, DraggingOverOneCharacterOfTheViewShowsItsCode) {
  ChooseHorizontalFace(program);
  std::vector<std::pair<int, const char*>> picks = {{'A', "<ALT> + 065"},
                                                    {'~', "<ALT> + 0126"},
                                                    {255, "<ALT> + 0255"},
                                                    {'!', "<ALT> + 033"},
                                                    {200, "<ALT> + 0200"}};
  // In a double-byte code page one character of the view can be two codes: its keystroke is
  // the two bytes as one signed 16-bit number (0x8182 is -32382).
  if (::IsDBCSLeadByte(0x81)) picks.push_back({0x81, "<ALT> + 0-32382"});
  for (const auto& [code, text] : picks) {
    SCOPED_TRACE(code);
    DragOverCode(view, code);
    ASSERT_EQ(std::make_pair(DWORD(SymbolIndex(code)), DWORD(SymbolIndex(code) + 1)),
              harness::EditSelection(view));
    EXPECT_EQ(text, Label(program));
  }
}

TEST_F(Keystroke, ReleasesWithoutExactlyOneCharacterLeaveTheLabel) {
  ASSERT_NO_FATAL_FAILURE(PickTheFirstRow(program));

  // Two characters, then five.
  harness::ScrollToChar(view, SymbolIndex('A'));
  harness::DragOverChars(view, SymbolIndex('A'), SymbolIndex('B'));
  ASSERT_EQ(std::make_pair(DWORD(64), DWORD(66)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 01", Label(program));
  harness::DragOverChars(view, SymbolIndex('C'), SymbolIndex('G'));
  ASSERT_EQ(std::make_pair(DWORD(66), DWORD(71)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 01", Label(program));

  // A plain click only places the caret.
  harness::SingleClick(view, harness::CharMiddle(view, SymbolIndex('K')));
  auto caret = harness::EditSelection(view);
  ASSERT_EQ(caret.first, caret.second);
  EXPECT_EQ("<ALT> + 01", Label(program));

  // A double-click selects a run of characters.
  POINT at = harness::CharMiddle(view, SymbolIndex('M'));
  harness::SingleClick(view, at);
  harness::Click(view, at.x, at.y);
  auto run = harness::EditSelection(view);
  ASSERT_GE(run.second - run.first, 2u) << run.first << ".." << run.second;
  EXPECT_EQ("<ALT> + 01", Label(program));
}

TEST_F(Keystroke, RightButtonReleaseWithOneCharacterSelectedShowsItsCode) {
  ASSERT_NO_FATAL_FAILURE(PickTheFirstRow(program));

  DragOverCode(view, 'A');
  ASSERT_EQ("<ALT> + 065", Label(program));
  harness::ClickListRow(list, 0);
  ASSERT_EQ("<ALT> + 01", Label(program));
  ASSERT_EQ(std::make_pair(DWORD(64), DWORD(65)), harness::EditSelection(view));

  // The right button, released over another character, shows the selected one again.
  RightClick(view, harness::CharMiddle(view, SymbolIndex('F')));
  EXPECT_EQ("<ALT> + 065", Label(program));
  EXPECT_EQ(std::make_pair(DWORD(64), DWORD(65)), harness::EditSelection(view));

  // With two characters selected the right button changes nothing.
  ::SendMessageA(view, EM_SETSEL, 70, 72);
  harness::ClickListRow(list, 0);
  ASSERT_EQ("<ALT> + 01", Label(program));
  RightClick(view, harness::CharMiddle(view, SymbolIndex('A')));
  EXPECT_EQ("<ALT> + 01", Label(program));
}

TEST_F(Keystroke, MiddleButtonReleaseCountsLikeTheOthers) {
  ASSERT_NO_FATAL_FAILURE(PickTheFirstRow(program));
  harness::ScrollToChar(view, SymbolIndex('a'));
  ::SendMessageA(view, EM_SETSEL, SymbolIndex('a'), SymbolIndex('a') + 1);
  harness::SingleClick(view, harness::CharMiddle(view, SymbolIndex('e')), MOUSEEVENTF_MIDDLEDOWN,
                       MOUSEEVENTF_MIDDLEUP);
  EXPECT_EQ("<ALT> + 097", Label(program));
  EXPECT_EQ(harness::AllSymbols(), harness::Text(view));  // nothing pasted into it
}

TEST_F(Keystroke, KeyboardSelectionWaitsForTheNextMouseRelease) {
  ASSERT_NO_FATAL_FAILURE(PickTheFirstRow(program));

  harness::ScrollToChar(view, SymbolIndex('A'));
  harness::FocusControl(view);
  ::SendMessageA(view, EM_SETSEL, 64, 64);
  harness::PressKey(VK_RIGHT, true);
  ASSERT_EQ(std::make_pair(DWORD(64), DWORD(65)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 01", Label(program));  // no mouse yet
  harness::PressKey(VK_RIGHT, true);
  harness::PressKey(VK_LEFT, true);
  ASSERT_EQ(std::make_pair(DWORD(64), DWORD(65)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 01", Label(program));

  RightClick(view, harness::CharMiddle(view, SymbolIndex('Q')));
  EXPECT_EQ("<ALT> + 065", Label(program));
}

TEST_F(Keystroke, APickInOneViewSelectsNothingInTheOther) {
  ChooseHorizontalFace(program);

  ::SendMessageA(view, EM_SETSEL, 10, 20);
  harness::ClickListRow(list, 64);
  ASSERT_EQ("<ALT> + 065", Label(program));
  EXPECT_EQ(std::make_pair(DWORD(10), DWORD(20)), harness::EditSelection(view));
  harness::ClickListRow(list, 150);
  EXPECT_EQ(std::make_pair(DWORD(10), DWORD(20)), harness::EditSelection(view));

  DragOverCode(view, 'x');
  ASSERT_EQ("<ALT> + 0120", Label(program));
  EXPECT_EQ(150, harness::ListSelection(list));
  EXPECT_EQ(1u, ListView_GetSelectedCount(list));
}

TEST_F(Keystroke, SymbolViewTakesNoEditingFromTheUser) {
  ChooseHorizontalFace(program);
  const std::string symbols = harness::AllSymbols();
  const UINT marker = ::RegisterClipboardFormatA("Varnelo.KeystrokeTest");
  // Text for Ctrl+V, and a format of our own, put there as another program would.
  ASSERT_NO_FATAL_FAILURE(harness::PutOnClipboard({{CF_TEXT, "xyz"}, {marker, "xyz"}}));
  ASSERT_EQ("xyz", harness::ClipboardText());
  harness::ScrollToChar(view, SymbolIndex('A'));
  harness::FocusControl(view);
  ::SendMessageA(view, EM_SETSEL, 64, 64);

  harness::TypeText("qwe 1");
  harness::PressKey(VK_RETURN);
  harness::PressKey(VK_DELETE);
  harness::PressKey(VK_BACK);
  EXPECT_EQ(symbols, harness::Text(view));
  ::SendMessageA(view, EM_SETSEL, 64, 67);
  harness::PressKey(VK_DELETE);
  harness::PressKey(VK_BACK);
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
  EXPECT_EQ(std::make_pair(DWORD(64), DWORD(67)), harness::EditSelection(view));
  harness::PressKey(VK_RIGHT, true);
  EXPECT_EQ(std::make_pair(DWORD(64), DWORD(68)), harness::EditSelection(view));
  DragOverCode(view, 'D');
  EXPECT_EQ(std::make_pair(DWORD(67), DWORD(68)), harness::EditSelection(view));
  EXPECT_EQ("<ALT> + 068", Label(program));
  EXPECT_EQ(symbols, harness::Text(view));
}
