// Choosing a font: the Symbol View and the preview take the chosen name, the preview shows it
// as its caption, and the Symbol List is rebuilt (same 255 rows, its own fixed font, no
// selection) exactly once per choice. Enter in the font box gives the Symbol View alone the
// name in the box. No font object is left over.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
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
};

// Fonts chosen one after another, each where a row says after its row of the list is picked:
// an entry by its index, chosen as the user does with the mouse, or one of these.
enum : int {
  kOther = -1,       // the first entry with another name than the first
  kDown = -2,        // the next entry, by the Down key in the font box
  kUp = -3,          // the last one, by the Up key
  kLetter = -4,      // the first name with an initial that no name before it starts with, by
                     // typing that letter
  kEvery = -5,       // each entry, from the last to the first
  kEveryThird = -6,  // every third one from the last, at 72 points
};
// Each shows its name in the box, in the view (whose text stays as it is) and on the preview,
// and rebuilds the list once: the same rows, none of them selected, focused or marked, shown
// from the top and drawn without the old highlight (which must go all the same, though only
// what the clear changes is drawn again). No control moves or changes its size.
struct Choices {
  const char* name;
  std::vector<int> choices;
  int row = -1;  // the row picked before each choice; -1: none
};
const Choices kChoices[] = {
    {"ChoosingAFontShowsItInTheViewAndThePreview", {kOther, 0}},
    {"EveryEntryOfTheListCanBeChosen", {kEvery}},
    {"RebuildDrawsTheOldSelectionWithoutItsHighlight", {kOther}, 1},
    {"RebuildShowsTheListFromTheTopWithNothingSelected", {kOther}, 200},
    {"DownKeyInTheFontBoxChoosesTheNextFontAndRebuildsOnce", {kDown, kDown, kDown, kUp}, 10},
    {"TypingALetterInTheFontBoxMovesToANameWithThatLetter", {kLetter}, 64},
    {"FontChangesNeverResizeTheControls", {kEveryThird}}};
void PrintTo(const Choices& row, std::ostream* out) { *out << row.name; }
struct Choosing : FontChoice, testing::WithParamInterface<Choices> {
  // Makes a choice: the entry chosen.
  int Make(int choice) const {
    const int at = harness::ComboSelection(fonts), entry = choice == kOther ? other : choice;
    if (entry >= 0) harness::ChooseComboItem(fonts, entry);
    if (choice == kDown || choice == kUp)
      harness::FocusControl(fonts), harness::PressKey(choice == kDown ? VK_DOWN : VK_UP);
    if (choice != kLetter) return entry >= 0 ? entry : at + (choice == kDown ? 1 : -1);
    auto initial = [&](int e) { return std::toupper(harness::ComboItem(fonts, e)[0] & 0xFF); };
    int chosen = -1;
    for (int e = 1; e < harness::ComboCount(fonts) && chosen < 0; ++e)
      if (initial(e) != initial(0) && initial(e) >= 'A' && initial(e) <= 'Z') chosen = e;
    EXPECT_GT(chosen, 0) << "all names start with the same letter";
    harness::FocusControl(fonts);
    harness::TypeText(std::string(1, static_cast<char>(std::tolower(initial(chosen)))));
    return chosen;
  }
};

// Keys pressed in the font box while it shows another name than the view (the selection moved
// without its notification): Enter, with any modifiers, gives the view alone the name in the
// box; keys that move nothing in a drop-down list apply nothing. Neither touches the preview or
// rebuilds the list, and the box keeps its entry and the focus.
struct Key {
  WORD vk;
  bool shift = false, control = false, alt = false;
};
struct Keys {
  const char* name;
  std::vector<Key> keys;
  bool applied;
};
// With every set of modifiers, or alone.
const std::vector<Key> kEnters = {{VK_RETURN, false, false, false}, {VK_RETURN, true, false, false},
                                  {VK_RETURN, false, true, false},  {VK_RETURN, false, false, true},
                                  {VK_RETURN, true, true, false},   {VK_RETURN, true, true, true}};
const Keys kKeys[] = {
    {"EnterInTheFontBoxGivesTheViewAloneTheNameInTheBox", kEnters, true},
    {"OtherKeysInTheFontBoxDoNotApplyTheName",
     {{VK_F5}, {VK_INSERT}, {VK_SPACE}, {VK_ESCAPE}, {VK_SHIFT}, {VK_CONTROL}, {VK_F2}},
     false}};
void PrintTo(const Keys& row, std::ostream* out) { *out << row.name; }
struct Pressing : FontChoice, testing::WithParamInterface<Keys> {};

}  // namespace

TEST_P(Choosing, ShowsTheNameAndRebuildsTheListOnce) {
  ASSERT_EQ(first, FaceOf(view));
  const int count = harness::ComboCount(fonts), row = GetParam().row;
  ASSERT_GT(count, 3);
  const harness::Snapshot before = harness::SnapshotOf(program);
  // Pixels right of a row's one character, as the list's own painting left them.
  auto pixel = [&](int r) {
    const RECT rect = harness::ListItemRect(list, r);
    return harness::ShownPixel(list, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  };
  const COLORREF background = pixel(0);
  std::vector<int> choices;
  for (int choice : GetParam().choices) {
    if (choice == kEveryThird) harness::ChooseComboItem(sizes, 14);  // "72"
    for (int e = count - 1; choice <= kEvery && e >= 0; e -= choice == kEvery ? 1 : 3)
      choices.push_back(e);
    if (choice > kEvery) choices.push_back(choice);
  }
  for (size_t i = 0; i < choices.size(); ++i) {
    SCOPED_TRACE(testing::Message() << "choice " << i << ": " << choices[i]);
    RECT picked{};
    if (row >= 0) {
      harness::ClickListRow(list, row);
      ASSERT_EQ(row, harness::ListSelection(list));
      picked = harness::ListItemRect(list, row);
      ASSERT_TRUE(row < ListView_GetCountPerPage(list) || ListView_GetTopIndex(list) > 0)
          << "the list is not scrolled down to the row";
      ASSERT_NE(background, pixel(row)) << "the selected row is not drawn highlighted";
    }
    harness::RebuildLog rebuilds(list);
    const int chosen = Make(choices[i]);
    harness::Drain();
    ASSERT_EQ(chosen, harness::ComboSelection(fonts));
    const std::string name = harness::ComboItem(fonts, chosen);
    for (HWND shown : {view, preview}) EXPECT_EQ(name, FaceOf(shown));
    for (HWND shown : {fonts, preview}) EXPECT_EQ(name, harness::Text(shown));
    EXPECT_EQ(harness::AllSymbols(), harness::Text(view));  // only its font changes
    EXPECT_TRUE(harness::Sequence(rebuilds, harness::kOneRebuild));
    EXPECT_EQ(-1, harness::ListSelection(list));
    EXPECT_EQ(-1, ListView_GetNextItem(list, -1, LVNI_FOCUSED));
    EXPECT_EQ(-1, ListView_GetSelectionMark(list));
    EXPECT_EQ(0, ListView_GetTopIndex(list));
    EXPECT_TRUE(harness::HasTheSymbolRows(list));
    EXPECT_EQ(background, pixel(0));  // the first row, where it belongs
    if (row >= 0) {
      EXPECT_EQ(background, harness::ShownPixel(list, (picked.left + picked.right) / 2,
                                                (picked.top + picked.bottom) / 2));
    }
    for (int id : {fMain::ID_txtSymbol, fMain::ID_lblPreview, fMain::ID_ListChars})
      EXPECT_EQ(before[id].box, harness::BoxOf(program[id])) << id;
  }
}

INSTANTIATE_TEST_SUITE_P(FontChoice, Choosing, testing::ValuesIn(kChoices),
                         testing::PrintToStringParamName());

TEST_P(Pressing, LeavesTheListAndThePreviewAsTheyAre) {
  for (const Key& key : GetParam().keys) {
    SCOPED_TRACE(testing::Message() << "key " << key.vk << " shift " << key.shift << " control "
                                    << key.control << " alt " << key.alt);
    harness::ChooseComboItem(fonts, 0);
    harness::Drain();
    harness::ClickListRow(list, 64);
    ASSERT_EQ(64, harness::ListSelection(list));
    ::SendMessageA(fonts, CB_SETCURSEL, static_cast<WPARAM>(other), 0);
    ASSERT_EQ(otherName, harness::Text(fonts));
    ASSERT_EQ(first, FaceOf(view));

    harness::FocusControl(fonts);
    harness::RebuildLog rebuilds(list);
    harness::MessageLog captions(preview, {WM_SETTEXT});
    harness::PressKey(key.vk, key.shift, key.control, key.alt);
    harness::Drain();
    EXPECT_EQ(GetParam().applied ? otherName : first, FaceOf(view));
    EXPECT_EQ(first, FaceOf(preview));
    EXPECT_EQ(first, harness::Text(preview));
    EXPECT_TRUE(harness::Sequence(captions, {}));
    EXPECT_TRUE(harness::Sequence(rebuilds, {}));
    EXPECT_EQ(64, harness::ListSelection(list));  // not rebuilt, so still selected
    EXPECT_EQ(other, harness::ComboSelection(fonts));
    EXPECT_EQ(fonts, ::GetFocus());
  }
  // Enter, the one key that applies it, shows that the keys above did reach the box.
  harness::PressKey(VK_RETURN);
  EXPECT_EQ(otherName, FaceOf(view));
}

INSTANTIATE_TEST_SUITE_P(FontChoice, Pressing, testing::ValuesIn(kKeys),
                         testing::PrintToStringParamName());

TEST_F(FontChoice, AThousandChangesLeaveNoFontBehind) {
  const long atStart = win::Font::Live();
  const int fontCount = harness::ComboCount(fonts);
  for (int i = 0; i < 1000; ++i) {
    if (i % 3 == 0) harness::ChooseComboItem(fonts, (i * 7) % fontCount);
    if (i % 3 == 1) harness::ChooseComboItem(sizes, (i * 5) % 15);
    if (i % 3 == 2) ::SendMessageA(program[harness::kStyleBoxes[(i / 3) % 4]], BM_CLICK, 0, 0);
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
