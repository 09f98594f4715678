// Size and style: a size chosen from the size box's list sets the Symbol View's size alone;
// text typed into the box is never applied. Each check box sets its flag on the Symbol View
// and then on the preview, whichever way it is ticked; the flags combine, and size, flags
// and face name stay through each other's changes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "tests/Harness.h"

using harness::kStyleBoxes;
using harness::Program;

namespace {

using StyleSize = harness::MainWindowTest;

// The list of the size box with the LOGFONT height of each size at 96 dpi: points * 96 / 72
// to the nearest pixel, negative for a character height.
struct Size {
  const char* text;
  LONG height;
};
const Size kSizes[] = {{"8", -11},  {"9", -12},  {"10", -13}, {"11", -15}, {"12", -16},
                       {"14", -19}, {"16", -21}, {"18", -24}, {"22", -29}, {"24", -32},
                       {"26", -35}, {"28", -37}, {"36", -48}, {"48", -64}, {"72", -96}};
const int k8 = 0, k24 = 9, k72 = 14;

enum Flag { Bold, Italic, Underline, StrikeOut };  // the order of harness::kStyleBoxes
const WORD kAccessKey[] = {'B', 'I', 'U', 'S'};

// The four flags of a font as the set of the flags that are on (bit 1 << flag), with the
// weight and the other fields checked to hold only the two values they may have.
int FlagsOf(HWND control) {
  LOGFONTA lf = harness::FontOf(control);
  EXPECT_TRUE(lf.lfWeight == FW_BOLD || lf.lfWeight == FW_NORMAL) << lf.lfWeight;
  EXPECT_LE(lf.lfItalic, 1);
  EXPECT_LE(lf.lfUnderline, 1);
  EXPECT_LE(lf.lfStrikeOut, 1);
  return (lf.lfWeight == FW_BOLD) << Bold | (lf.lfItalic != 0) << Italic |
         (lf.lfUnderline != 0) << Underline | (lf.lfStrikeOut != 0) << StrikeOut;
}

// What the user sees in the four boxes, as the same kind of set.
int TickedBoxes(const Program& program) {
  int flags = 0;
  for (int f = Bold; f <= StrikeOut; ++f)
    if (harness::IsChecked(program[kStyleBoxes[f]])) flags |= 1 << f;
  return flags;
}

// The boxes ticked, and the view's and the preview's flags, all as `flags`.
void ExpectFlags(const Program& program, int flags) {
  EXPECT_EQ(flags, TickedBoxes(program));
  EXPECT_EQ(flags, FlagsOf(program[fMain::ID_txtSymbol]));
  EXPECT_EQ(flags, FlagsOf(program[fMain::ID_lblPreview]));
}

// Reads the view's underline flag at the moment the preview is given a font.
struct PreviewWatch {
  HWND view;
  int* seen;
};
LRESULT CALLBACK WatchPreview(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* watch = reinterpret_cast<PreviewWatch*>(data);
  if (msg == WM_SETFONT) *watch->seen = harness::FontOf(watch->view).lfUnderline;
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace

TEST_F(StyleSize, StartUpShowsTwentyFourPointsWithoutFlags) {
  EXPECT_EQ("24", harness::Text(sizes));
  EXPECT_EQ(-32, harness::FontOf(view).lfHeight);
  EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
  ExpectFlags(program, 0);
}

TEST_F(StyleSize, EachSizeOfTheListSetsTheViewAlone) {
  harness::ClickListRow(list, 64);
  harness::Snapshot expected = harness::SnapshotOf(program);
  harness::MessageLog rebuilds(list, {LVM_SETSELECTIONMARK});  // ends every rebuild
  harness::MessageLog listFonts(list, {WM_SETFONT});
  harness::MessageLog previewFonts(preview, {WM_SETFONT});

  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(kSizes[i].text);
    harness::ChooseComboItem(sizes, i);
    EXPECT_EQ(kSizes[i].text, harness::Text(sizes));
    LOGFONTA lf = harness::FontOf(view);
    EXPECT_EQ(kSizes[i].height, lf.lfHeight);
    EXPECT_EQ(expected[fMain::ID_txtSymbol].face, lf.lfFaceName);
    EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);  // the preview stays at 16 points
  }
  harness::Drain();
  EXPECT_TRUE(harness::Sequence(rebuilds, {}));
  EXPECT_TRUE(harness::Sequence(listFonts, {}));
  EXPECT_TRUE(harness::Sequence(previewFonts, {}));
  // All else as it was: the view's place on screen and face, the list's rows, font and row.
  expected.controls[fMain::ID_txtSymbol].height = -96;  // the last size chosen
  expected.controls[fMain::ID_cboSize].text = "72";
  expected.size = k72;
  EXPECT_EQ(expected, harness::SnapshotOf(program));
}

TEST_F(StyleSize, EightThenSeventyTwoThenEightAgain) {
  ::SendMessageA(program[fMain::ID_chkItalic], BM_CLICK, 0, 0);
  for (int i : {k8, k72, k8}) {
    SCOPED_TRACE(kSizes[i].text);
    harness::ChooseComboItem(sizes, i);
    EXPECT_EQ(kSizes[i].height, harness::FontOf(view).lfHeight);
    EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
    ExpectFlags(program, 1 << Italic);  // size changes keep the flags
  }
}

TEST_F(StyleSize, AtSeventyTwoPointsTheViewScrolls) {
  // More lines than it shows.
  harness::ChooseComboItem(sizes, k72);
  harness::Drain();
  RECT client = harness::ClientRect(view);
  EXPECT_GT(::SendMessageA(view, EM_GETLINECOUNT, 0, 0) * 96, client.bottom);
  SCROLLINFO bar{};
  bar.cbSize = sizeof bar;
  bar.fMask = SIF_RANGE | SIF_PAGE;
  ASSERT_TRUE(::GetScrollInfo(view, SB_VERT, &bar));
  EXPECT_GT(bar.nMax - bar.nMin + 1, static_cast<int>(bar.nPage));
}

TEST_F(StyleSize, ArrowKeysInTheSizeBoxChooseSizes) {
  harness::FocusControl(sizes);
  harness::PressKey(VK_DOWN);
  EXPECT_EQ(k24 + 1, harness::ComboSelection(sizes));
  EXPECT_EQ("26", harness::Text(sizes));
  EXPECT_EQ(-35, harness::FontOf(view).lfHeight);
  harness::PressKey(VK_UP);
  harness::PressKey(VK_UP);
  EXPECT_EQ("22", harness::Text(sizes));
  EXPECT_EQ(-29, harness::FontOf(view).lfHeight);
  EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
}

TEST_F(StyleSize, TypedSizeIsNeverApplied) {
  harness::FocusControl(sizes);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(sizes, &info));
  ASSERT_EQ(info.hwndItem, ::GetFocus());  // the box's text field has the focus
  ::SendMessageA(sizes, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  harness::MessageLog viewFonts(view, {WM_SETFONT});

  harness::TypeText("20");
  EXPECT_EQ("20", harness::Text(sizes));  // the typing arrived
  harness::PressKey(VK_RETURN);
  harness::Drain();
  EXPECT_EQ(-32, harness::FontOf(view).lfHeight);
  // Nor when the box loses the focus.
  harness::PressKey(VK_TAB);
  harness::Drain();
  EXPECT_NE(info.hwndItem, ::GetFocus());
  EXPECT_EQ(-32, harness::FontOf(view).lfHeight);

  // A size from the list, typed out in full, is not applied either.
  harness::FocusControl(sizes);
  ::SendMessageA(sizes, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  harness::TypeText("72");
  harness::PressKey(VK_RETURN);
  harness::PressKey(VK_TAB);
  harness::Drain();
  EXPECT_EQ(-32, harness::FontOf(view).lfHeight);
  EXPECT_TRUE(harness::Sequence(viewFonts, {}));
  EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
}

TEST_F(StyleSize, EachBoxSetsItsFlagOnTheViewThenThePreview) {
  const harness::Snapshot before = harness::SnapshotOf(program);
  for (int f = Bold; f <= StrikeOut; ++f) {
    SCOPED_TRACE(harness::Text(program[kStyleBoxes[f]]));
    harness::MessageLog viewFonts(view, {WM_SETFONT}), previewFonts(preview, {WM_SETFONT});
    ::SendMessageA(program[kStyleBoxes[f]], BM_CLICK, 0, 0);
    ExpectFlags(program, 1 << f);
    EXPECT_TRUE(harness::Sequence(viewFonts, {{WM_SETFONT}}));
    EXPECT_TRUE(harness::Sequence(previewFonts, {{WM_SETFONT}}));
    EXPECT_EQ(-32, harness::FontOf(view).lfHeight);  // the size stays
    EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);

    ::SendMessageA(program[kStyleBoxes[f]], BM_CLICK, 0, 0);  // and off again
    ExpectFlags(program, 0);
    EXPECT_EQ(FW_NORMAL, harness::FontOf(view).lfWeight);
    EXPECT_EQ(FW_NORMAL, harness::FontOf(preview).lfWeight);
  }
  EXPECT_EQ(before, harness::SnapshotOf(program));  // the list's rows, font and row too
}

TEST_F(StyleSize, ViewIsRestyledBeforeThePreview) {
  // When the preview receives its new font, the view already shows the flag.
  int viewFlagsAtPreview = -1;
  PreviewWatch watch{view, &viewFlagsAtPreview};
  ASSERT_TRUE(::SetWindowSubclass(preview, &WatchPreview, 1, reinterpret_cast<DWORD_PTR>(&watch)));
  ::SendMessageA(program[fMain::ID_chkUnderline], BM_CLICK, 0, 0);
  ::RemoveWindowSubclass(preview, &WatchPreview, 1);
  EXPECT_EQ(1, viewFlagsAtPreview);
  EXPECT_TRUE(harness::FontOf(preview).lfUnderline);
}

TEST_F(StyleSize, RealClicksAndSpaceTickTheBoxes) {
  int expected = 0;
  for (int f = Bold; f <= StrikeOut; ++f) {
    SCOPED_TRACE(f);
    RECT r = harness::ClientRect(program[kStyleBoxes[f]]);
    harness::SingleClick(program[kStyleBoxes[f]], POINT{8, r.bottom / 2});  // on the check square
    expected |= 1 << f;
    ExpectFlags(program, expected);
  }
  // The space bar on a focused box clears it again.
  for (int f = Bold; f <= StrikeOut; ++f) {
    SCOPED_TRACE(f);
    harness::FocusControl(program[kStyleBoxes[f]]);
    harness::PressKey(VK_SPACE);
    expected &= ~(1 << f);
    ExpectFlags(program, expected);
  }
}

TEST_F(StyleSize, AccessKeysTickTheBoxes) {
  int expected = 0;
  for (int round = 0; round < 2; ++round) {
    for (int f = Bold; f <= StrikeOut; ++f) {
      SCOPED_TRACE(testing::Message()
                   << "round " << round << " key " << static_cast<char>(kAccessKey[f]));
      // From the font box. S is also the key of the captions "&Symbol View" and "&Symbol
      // List"; Wine's dialog manager presses the first control after the focus whose caption
      // carries the key, and in tab order that is "&StrikeOut". (Wine: whether a key that
      // several captions share presses the button or only moves the focus to it is the dialog
      // manager's choice; this is what Wine's does.)
      harness::FocusControl(fonts);
      harness::PressKey(kAccessKey[f], false, false, true);
      expected ^= 1 << f;
      ExpectFlags(program, expected);
    }
  }
  EXPECT_EQ(0, expected);
}

// Every one of the 16 combinations, reached from the last by ticking or clearing boxes.
TEST_F(StyleSize, FlagsCombine) {
  for (int wanted = 0; wanted < 16; ++wanted) {
    SCOPED_TRACE(wanted);
    for (int f = Bold; f <= StrikeOut; ++f)
      if (((TickedBoxes(program) >> f) & 1) != ((wanted >> f) & 1))
        ::SendMessageA(program[kStyleBoxes[f]], BM_CLICK, 0, 0);
    ASSERT_EQ(wanted, TickedBoxes(program));
    EXPECT_EQ(wanted, FlagsOf(view));
    EXPECT_EQ(wanted, FlagsOf(preview));
  }
}

// Bold and italic, then bold cleared: italic alone.
TEST_F(StyleSize, ClearingAFlagLeavesTheOthers) {
  ::SendMessageA(program[kStyleBoxes[Bold]], BM_CLICK, 0, 0);
  ::SendMessageA(program[kStyleBoxes[Italic]], BM_CLICK, 0, 0);
  EXPECT_EQ((1 << Bold) | (1 << Italic), FlagsOf(view));
  ::SendMessageA(program[kStyleBoxes[Bold]], BM_CLICK, 0, 0);
  ExpectFlags(program, 1 << Italic);
  EXPECT_EQ(FW_NORMAL, harness::FontOf(preview).lfWeight);
}

// At the smallest size with two flags, and at the largest with all four, whichever way a face
// is chosen: the view keeps size and flags, and the preview its 16 points, never the size box's.
TEST_F(StyleSize, FlagsAndSizeStayThroughFontChanges) {
  harness::ChooseComboItem(sizes, k8);
  ::SendMessageA(program[kStyleBoxes[Bold]], BM_CLICK, 0, 0);
  ::SendMessageA(program[kStyleBoxes[StrikeOut]], BM_CLICK, 0, 0);
  const int flags = (1 << Bold) | (1 << StrikeOut);
  for (int i : {harness::ComboCount(fonts) - 1, harness::ComboCount(fonts) / 2, 0}) {
    const std::string name = harness::ComboItem(fonts, i);
    SCOPED_TRACE(name);
    harness::ChooseComboItem(fonts, i);
    EXPECT_EQ(name, harness::FontOf(view).lfFaceName);
    EXPECT_EQ(-11, harness::FontOf(view).lfHeight);
    EXPECT_EQ(name, harness::FontOf(preview).lfFaceName);
    EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
    ExpectFlags(program, flags);
  }
  // A flag cleared after a font change is cleared on the new face.
  ::SendMessageA(program[kStyleBoxes[Bold]], BM_CLICK, 0, 0);
  ExpectFlags(program, 1 << StrikeOut);
  EXPECT_EQ(harness::ComboItem(fonts, 0), harness::FontOf(preview).lfFaceName);

  // Bold, italic, underlined and struck out at 72 points, chosen from the list and by key.
  harness::ChooseComboItem(sizes, k72);
  for (int f : {Bold, Italic, Underline}) ::SendMessageA(program[kStyleBoxes[f]], BM_CLICK, 0, 0);
  harness::Drain();
  const int other = harness::ComboIndexOtherThan(fonts, 0);
  ASSERT_GT(other, 0) << "the prefix offers only one font family";
  auto expectBothKept = [&](const std::string& name) {
    EXPECT_TRUE(harness::HasFont(view, name, -96, FW_BOLD, "IUS"));
    EXPECT_TRUE(harness::HasFont(preview, name, -21, FW_BOLD, "IUS"));
  };
  harness::ChooseComboItem(fonts, other);
  expectBothKept(harness::ComboItem(fonts, other));
  harness::FocusControl(fonts);
  harness::PressKey(VK_DOWN);
  expectBothKept(harness::ComboItem(fonts, other + 1));
  // Enter gives the view a name; size and style stay there too.
  ::SendMessageA(fonts, CB_SETCURSEL, 0, 0);
  harness::PressKey(VK_RETURN);
  EXPECT_TRUE(harness::HasFont(view, harness::ComboItem(fonts, 0), -96, FW_BOLD, "IUS"));
}
