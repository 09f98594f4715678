// Choosing a font: the Symbol View and the preview take the chosen name, the preview shows it
// as its caption, and the Symbol List is rebuilt (same 255 rows, its own fixed font, no
// selection) exactly once per choice. Enter in the font box gives the Symbol View alone the
// name in the box. No font object is left over.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>
#include <vector>

#include "tests/Harness.h"
#include "win/Font.h"

using harness::FaceOf;

namespace {

// The font objects alive before the program starts, counted first: the base class that
// comes first is made first.
struct FontsCounted {
  const long fontsBeforeProgram = win::Font::Live();
};

// The program started, with the first name of the font list and the first entry with
// another name, which the prefix must have.
struct FontChoice : FontsCounted, harness::MainWindowTest {
  const std::string first = harness::ComboItem(fonts, 0);
  const int other = harness::ComboIndexOtherThan(fonts, 0);
  const std::string otherName = harness::ComboItem(fonts, other);
  void SetUp() override { ASSERT_GT(other, 0) << "the prefix offers only one font family"; }
  // Chooses an entry of the font box as the user does, and lets the program finish with it.
  void Choose(int index) {
    harness::ChooseComboItem(fonts, index);
    harness::Drain();
  }
};

// The view and the preview are in the face `name`, and the preview shows it as its caption.
void ExpectChosen(const std::string& name, HWND view, HWND preview) {
  EXPECT_EQ(name, FaceOf(view));
  EXPECT_EQ(name, FaceOf(preview));
  EXPECT_EQ(name, harness::Text(preview));
}

// One rebuild since the log started: the same rows, and none of them selected.
void ExpectOneRebuild(const harness::RebuildLog& rebuilds, HWND list) {
  EXPECT_TRUE(harness::Sequence(rebuilds, harness::kOneRebuild));
  EXPECT_EQ(-1, harness::ListSelection(list));
  EXPECT_TRUE(harness::HasTheSymbolRows(list));
}

void SelectRow(HWND list, int index) {
  harness::ClickListRow(list, index);
  ASSERT_EQ(index, harness::ListSelection(list));
}

}  // namespace

TEST_F(FontChoice, ChoosingAFontShowsItInTheViewAndThePreview) {
  ASSERT_EQ(first, FaceOf(view));

  Choose(other);
  ExpectChosen(otherName, view, preview);
  EXPECT_EQ(otherName, harness::Text(fonts));
  // The text of the view is not touched; only its font changes.
  EXPECT_EQ(harness::AllSymbols(), harness::Text(view));

  Choose(0);
  ExpectChosen(first, view, preview);
}

TEST_F(FontChoice, EveryEntryOfTheListCanBeChosen) {
  const int count = harness::ComboCount(fonts);
  ASSERT_GT(count, 1);
  harness::RebuildLog rebuilds(list);
  for (int i = count - 1; i >= 0; --i) {
    const std::string name = harness::ComboItem(fonts, i);
    harness::ChooseComboItem(fonts, i);
    ASSERT_EQ(name, FaceOf(view)) << i;
    ASSERT_EQ(name, FaceOf(preview)) << i;
    ASSERT_EQ(name, harness::Text(preview)) << i;
  }
  EXPECT_EQ(count, rebuilds.count());
  harness::Drain();
  EXPECT_TRUE(harness::HasTheSymbolRows(list));
}

// The rows come out as they were, so only what the clear changes is drawn again: the
// highlight of the old selection must go all the same.
TEST_F(FontChoice, RebuildDrawsTheOldSelectionWithoutItsHighlight) {
  SelectRow(list, 1);
  const RECT plain = harness::ListItemRect(list, 0), chosen = harness::ListItemRect(list, 1);
  const int x = (chosen.left + chosen.right) / 2;  // right of the row's one character
  const COLORREF background = harness::ShownPixel(list, x, (plain.top + plain.bottom) / 2);
  ASSERT_NE(background, harness::ShownPixel(list, x, (chosen.top + chosen.bottom) / 2))
      << "the selected row is not drawn highlighted";
  harness::ChooseComboItem(fonts, other);
  EXPECT_EQ(background, harness::ShownPixel(list, x, (chosen.top + chosen.bottom) / 2));
}

// After a rebuild the list starts again at the top, with nothing selected, focused or marked.
TEST_F(FontChoice, RebuildShowsTheListFromTheTopWithNothingSelected) {
  const RECT plain = harness::ListItemRect(list, 0);
  const POINT middle{(plain.left + plain.right) / 2, (plain.top + plain.bottom) / 2};
  const COLORREF background = harness::ShownPixel(list, middle.x, middle.y);
  SelectRow(list, 200);
  ASSERT_GT(ListView_GetTopIndex(list), 0);
  Choose(other);
  EXPECT_EQ(0, ListView_GetTopIndex(list));
  EXPECT_EQ(-1, harness::ListSelection(list));
  EXPECT_EQ(-1, ListView_GetNextItem(list, -1, LVNI_FOCUSED));
  EXPECT_EQ(-1, ListView_GetSelectionMark(list));
  EXPECT_TRUE(harness::HasTheSymbolRows(list));
  // The first row is drawn where it belongs, as a row that is not selected.
  EXPECT_EQ(background, harness::ShownPixel(list, middle.x, middle.y));
}

TEST_F(FontChoice, DownKeyInTheFontBoxChoosesTheNextFontAndRebuildsOnce) {
  ASSERT_GT(harness::ComboCount(fonts), 3);

  for (int step = 1; step <= 3; ++step) {
    SCOPED_TRACE(step);
    SelectRow(list, 10 * step);
    harness::FocusControl(fonts);
    harness::RebuildLog rebuilds(list);
    harness::PressKey(VK_DOWN);
    harness::Drain();
    ASSERT_EQ(step, harness::ComboSelection(fonts));
    const std::string name = harness::ComboItem(fonts, step);
    ExpectChosen(name, view, preview);
    ExpectOneRebuild(rebuilds, list);
  }
  // Up goes back the same way.
  harness::RebuildLog rebuilds(list);
  harness::FocusControl(fonts);
  harness::PressKey(VK_UP);
  harness::Drain();
  EXPECT_EQ(2, harness::ComboSelection(fonts));
  EXPECT_EQ(harness::ComboItem(fonts, 2), FaceOf(view));
  EXPECT_TRUE(harness::Sequence(rebuilds, harness::kOneRebuild));
  EXPECT_TRUE(harness::HasTheSymbolRows(list));
}

TEST_F(FontChoice, TypingALetterInTheFontBoxMovesToANameWithThatLetter) {
  // A letter that no name before it starts with: the first name with that letter.
  auto initial = [&](int i) { return std::toupper(harness::ComboItem(fonts, i)[0] & 0xFF); };
  int target = -1;
  for (int i = 1; i < harness::ComboCount(fonts) && target < 0; ++i)
    if (initial(i) != initial(0) && initial(i) >= 'A' && initial(i) <= 'Z') target = i;
  ASSERT_GT(target, 0) << "all names start with the same letter";
  const std::string name = harness::ComboItem(fonts, target);

  SelectRow(list, 64);
  harness::FocusControl(fonts);
  harness::RebuildLog rebuilds(list);
  harness::TypeText(std::string(1, static_cast<char>(std::tolower(initial(target)))));
  harness::Drain();
  EXPECT_EQ(target, harness::ComboSelection(fonts));
  ExpectChosen(name, view, preview);
  ExpectOneRebuild(rebuilds, list);
}

TEST_F(FontChoice, EnterInTheFontBoxGivesTheViewAloneTheNameInTheBox) {
  const std::tuple<bool, bool, bool> modifiers[] = {{false, false, false}, {true, false, false},
                                                    {false, true, false},  {false, false, true},
                                                    {true, true, false},   {true, true, true}};
  for (const auto& [shift, control, alt] : modifiers) {
    SCOPED_TRACE(testing::Message()
                 << "shift " << shift << " control " << control << " alt " << alt);
    harness::ChooseComboItem(fonts, 0);
    SelectRow(list, 64);
    // The box shows another name than the view: the selection moves without its notification.
    ::SendMessageA(fonts, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
    ASSERT_EQ(otherName, harness::Text(fonts));
    ASSERT_EQ(first, FaceOf(view));

    harness::FocusControl(fonts);
    harness::RebuildLog rebuilds(list);
    harness::MessageLog captions(preview, {WM_SETTEXT});
    harness::PressKey(VK_RETURN, shift, control, alt);
    harness::Drain();
    EXPECT_EQ(otherName, FaceOf(view));
    EXPECT_EQ(first, FaceOf(preview));
    EXPECT_EQ(first, harness::Text(preview));
    EXPECT_TRUE(harness::Sequence(captions, {}));
    EXPECT_TRUE(harness::Sequence(rebuilds, {}));
    EXPECT_EQ(64, harness::ListSelection(list));  // not rebuilt, so still selected
    EXPECT_EQ(other, harness::ComboSelection(fonts));
  }
}

TEST_F(FontChoice, OtherKeysInTheFontBoxDoNotApplyTheName) {
  ::SendMessageA(fonts, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
  ASSERT_EQ(first, FaceOf(view));

  harness::FocusControl(fonts);
  harness::RebuildLog rebuilds(list);
  // Keys that move nothing in a drop-down list: the name in the box is not applied.
  for (WORD key : {WORD(VK_F5), WORD(VK_INSERT), WORD(VK_SPACE), WORD(VK_ESCAPE), WORD(VK_SHIFT),
                   WORD(VK_CONTROL), WORD(VK_F2)}) {
    SCOPED_TRACE(key);
    harness::PressKey(key);
    ExpectChosen(first, view, preview);
    EXPECT_EQ(other, harness::ComboSelection(fonts));
    EXPECT_EQ(fonts, ::GetFocus());
  }
  EXPECT_TRUE(harness::Sequence(rebuilds, {}));
  // Enter, the one key that applies it, shows that the keys above did reach the box.
  harness::PressKey(VK_RETURN);
  EXPECT_EQ(otherName, FaceOf(view));
}

TEST_F(FontChoice, FontChangesNeverResizeTheControls) {
  const harness::Snapshot before = harness::SnapshotOf(program);
  harness::ChooseComboItem(sizes, 14);  // "72"
  for (int i = harness::ComboCount(fonts) - 1; i >= 0; i -= 3) harness::ChooseComboItem(fonts, i);
  harness::Drain();
  const harness::Snapshot after = harness::SnapshotOf(program);
  for (int id : {fMain::ID_txtSymbol, fMain::ID_lblPreview, fMain::ID_ListChars})
    EXPECT_EQ(before[id].box, after[id].box) << id;
}

TEST_F(FontChoice, AThousandChangesLeaveNoFontBehind) {
  const long atStart = win::Font::Live();
  const int fontCount = harness::ComboCount(fonts);
  for (int i = 0; i < 1000; ++i) {
    switch (i % 3) {
      case 0:
        harness::ChooseComboItem(fonts, (i * 7) % fontCount);
        break;
      case 1:
        harness::ChooseComboItem(sizes, (i * 5) % 15);
        break;
      case 2:
        ::SendMessageA(program[harness::kStyleBoxes[(i / 3) % 4]], BM_CLICK, 0, 0);
        break;
    }
    if (i % 50 == 0) harness::Pump(5);
  }
  harness::Drain();
  // One font per control, however often it changed.
  EXPECT_EQ(atStart, win::Font::Live());
  // Every font change went through: the view has the last size chosen (999 % 3 == 0, so
  // the last size was at i = 997: (997 * 5) % 15 = 5, "14").
  EXPECT_EQ(-19, harness::FontOf(view).lfHeight);
  EXPECT_EQ(harness::ComboItem(fonts, (999 * 7) % fontCount), FaceOf(view));
  program.End();
  EXPECT_EQ(fontsBeforeProgram, win::Font::Live());
}

// Scrolled between font changes and then back to the top, by more than the view holds, the
// Symbol View shows what it paints: no pixels copied in from the panel around it.
TEST_F(FontChoice, ScrolledViewShowsWhatItPaints) {
  auto scroll = [&](WORD code, WORD position = 0) {
    ::SendMessageA(view, WM_VSCROLL, MAKEWPARAM(code, position), 0);
  };
  // As a user saw it: down to the letters, another font, further down, another font, the top.
  int font = 0;
  for (int step = 0; step < 2; ++step) {
    for (int line = 0; line < 3; ++line) scroll(SB_LINEDOWN);
    font = harness::ComboIndexOtherThan(fonts, font);
    ASSERT_GT(font, 0);
    harness::ChooseComboItem(fonts, font);
    EXPECT_EQ(0, harness::StalePixels(view)) << "after font " << font;
  }
  scroll(SB_TOP);
  EXPECT_EQ(0, harness::StalePixels(view)) << "back at the top";
  // Every jump to either end.
  const int lines = static_cast<int>(::SendMessageA(view, EM_GETLINECOUNT, 0, 0));
  for (int line = 1; line < lines; ++line) {
    scroll(SB_THUMBPOSITION, static_cast<WORD>(line));
    EXPECT_EQ(0, harness::StalePixels(view)) << "line " << line;
    scroll(SB_TOP);
    EXPECT_EQ(0, harness::StalePixels(view)) << "to the top from line " << line;
  }
  scroll(SB_BOTTOM);
  EXPECT_EQ(0, harness::StalePixels(view)) << "to the bottom";
}
