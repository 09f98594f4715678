// Size and style: a size chosen from the size box's list sets the Symbol View's size alone;
// text typed into the box is never applied. Each check box sets its flag on the Symbol View
// and then on the preview, whichever way it is ticked; the flags combine, and size, flags
// and face name stay through each other's changes.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/Harness.h"

using harness::kStyleBoxes;

namespace {

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

struct StyleSize : harness::MainWindowTest {
  // The boxes ticked, and the view's and the preview's flags, all as `flags`.
  void ExpectFlags(int flags) const {
    int ticked = 0;
    for (int f = Bold; f <= StrikeOut; ++f)
      if (harness::IsChecked(program[kStyleBoxes[f]])) ticked |= 1 << f;
    EXPECT_EQ(flags, ticked);
    EXPECT_EQ(flags, FlagsOf(view));
    EXPECT_EQ(flags, FlagsOf(preview));
  }
};

// Counts the fonts the preview is given, and reads the view's flags at the moment it is.
struct PreviewWatch {
  HWND view;
  int fonts = 0, viewFlags = -1;
};
LRESULT CALLBACK WatchPreview(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* watch = reinterpret_cast<PreviewWatch*>(data);
  if (msg == WM_SETFONT) ++watch->fonts, watch->viewFlags = FlagsOf(watch->view);
  return ::DefSubclassProc(hwnd, msg, wp, lp);
}

// What the user does, step by step, after a row of the list is picked. The size box, the style
// boxes and the font box show what was chosen; the view has the size, the flags and the face,
// and the preview the flags and the face at its own 16 points, whatever the size box says. All
// else stays as it was. A new size gives the view alone a new font; a flag gives one to the view
// and then to the preview (which finds the view restyled already), and so does a face of another
// name; a face chosen, whatever its name, rebuilds the list once; the list is never given a font.
enum Do {
  Size,      // `arg` of kSizes chosen from the list
  SizeDown,  // the Down key in the size box, to `arg`
  SizeUp,    // the Up key
  Tick,      // the box of the flag `arg` ticked or cleared with BM_CLICK
  Click,     // with the mouse, on its check square
  Space,     // with Space in it
  Alt,       // with its access key, from the font box
  Font,      // entry `arg` of the font box chosen (kLast, kMiddle, kOther: those entries)
  FontDown,  // the Down key in the font box
  Enter,     // the first entry selected without its notification, then Enter in the box: the
             // view alone takes the name
};
const int kLast = -1, kMiddle = -2, kOther = -3;
struct Step {
  Do what;
  int arg = 0;
};
struct Steps {
  const char* name;
  std::vector<Step> steps;
};
const std::vector<Step> kEverySize = {{Size, 0},  {Size, 1},  {Size, 2},  {Size, 3},  {Size, 4},
                                      {Size, 5},  {Size, 6},  {Size, 7},  {Size, 8},  {Size, 9},
                                      {Size, 10}, {Size, 11}, {Size, 12}, {Size, 13}, {Size, 14}};
// Each box set and cleared alone; with the mouse and cleared with Space; by access key twice
// round.
const std::vector<Step> kEachBox = {{Tick, Bold},      {Tick, Bold},      {Tick, Italic},
                                    {Tick, Italic},    {Tick, Underline}, {Tick, Underline},
                                    {Tick, StrikeOut}, {Tick, StrikeOut}};
const std::vector<Step> kClicksAndSpace = {
    {Click, Bold}, {Click, Italic}, {Click, Underline}, {Click, StrikeOut},
    {Space, Bold}, {Space, Italic}, {Space, Underline}, {Space, StrikeOut}};
const std::vector<Step> kAccessKeys = {{Alt, Bold},      {Alt, Italic},   {Alt, Underline},
                                       {Alt, StrikeOut}, {Alt, Bold},     {Alt, Italic},
                                       {Alt, Underline}, {Alt, StrikeOut}};
// Every one of the 16 combinations, reached from the last by ticking or clearing boxes.
const std::vector<Step> kEveryCombination = [] {
  std::vector<Step> steps;
  for (int wanted = 1; wanted < 16; ++wanted)
    for (int f = Bold; f <= StrikeOut; ++f)
      if (((wanted - 1) ^ wanted) >> f & 1) steps.push_back({Tick, f});
  return steps;
}();
// At the smallest size with two flags, and at the largest with all four, whichever way a face
// is chosen; a flag cleared after a font change is cleared on the new face.
const std::vector<Step> kThroughFontChanges = {
    {Size, k8},        {Tick, Bold},   {Tick, StrikeOut}, {Font, kLast}, {Font, kMiddle},
    {Font, 0},         {Tick, Bold},   {Size, k72},       {Tick, Bold},  {Tick, Italic},
    {Tick, Underline}, {Font, kOther}, {FontDown},        {Enter}};
const Steps kSteps[] = {
    {"StartUpShowsTwentyFourPointsWithoutFlags", {}},
    {"EachSizeOfTheListSetsTheViewAlone", kEverySize},
    {"EightThenSeventyTwoThenEightAgain", {{Tick, Italic}, {Size, k8}, {Size, k72}, {Size, k8}}},
    {"ArrowKeysInTheSizeBoxChooseSizes", {{SizeDown, k24 + 1}, {SizeUp, k24}, {SizeUp, k24 - 1}}},
    {"EachBoxSetsItsFlagOnTheViewThenThePreview", kEachBox},
    {"RealClicksAndSpaceTickTheBoxes", kClicksAndSpace},
    {"AccessKeysTickTheBoxes", kAccessKeys},
    {"ViewIsRestyledBeforeThePreview", {{Tick, Underline}}},
    {"FlagsCombine", kEveryCombination},
    // Bold and italic, then bold cleared: italic alone.
    {"ClearingAFlagLeavesTheOthers", {{Tick, Bold}, {Tick, Italic}, {Tick, Bold}}},
    {"FlagsAndSizeStayThroughFontChanges", kThroughFontChanges}};
void PrintTo(const Steps& row, std::ostream* out) { *out << row.name; }
struct Stepping : StyleSize, testing::WithParamInterface<Steps> {
  static void PressKeyIn(HWND control, WORD vk, bool alt = false) {
    harness::FocusControl(control);
    harness::PressKey(vk, false, false, alt);
  }
  void Take(const Step& step, int& font) const {
    const Do what = step.what;
    HWND box = what >= Tick && what <= Alt ? program[kStyleBoxes[step.arg]] : nullptr;
    if (what == Size) harness::ChooseComboItem(sizes, step.arg);
    if (what == SizeDown || what == SizeUp) PressKeyIn(sizes, what == SizeDown ? VK_DOWN : VK_UP);
    if (what == Tick) ::SendMessageA(box, BM_CLICK, 0, 0);
    if (what == Click) harness::SingleClick(box, POINT{8, harness::ClientRect(box).bottom / 2});
    if (what == Space) PressKeyIn(box, VK_SPACE);
    // S is also the key of the captions "&Symbol View" and "&Symbol List"; Wine's dialog manager
    // presses the first control after the focus whose caption carries the key, and in tab order
    // that is "&StrikeOut". (Wine: whether a key that several captions share presses the button
    // or only moves the focus to it is the dialog manager's choice; this is what Wine's does.)
    if (what == Alt) PressKeyIn(fonts, kAccessKey[step.arg], true);
    if (what == Font) {
      const int count = harness::ComboCount(fonts);
      font = step.arg == kLast     ? count - 1
             : step.arg == kMiddle ? count / 2
             : step.arg == kOther  ? harness::ComboIndexOtherThan(fonts, 0)
                                   : step.arg;
      ASSERT_GT(font, step.arg == kOther ? 0 : -1) << "the prefix offers only one font family";
      harness::ChooseComboItem(fonts, font);
    }
    if (what == FontDown) PressKeyIn(fonts, VK_DOWN), ++font;
    if (what == Enter) {
      ::SendMessageA(fonts, CB_SETCURSEL, font = 0, 0);
      PressKeyIn(fonts, VK_RETURN);
    }
  }
};

}  // namespace

TEST_P(Stepping, ShowsWhatWasChosen) {
  int size = k24, flags = 0, font = 0;
  std::string viewFace = harness::ComboItem(fonts, 0), previewFace = viewFace;
  bool rebuilt = false;
  harness::ClickListRow(list, 64);
  const harness::Snapshot start = harness::SnapshotOf(program);
  auto expected = [&] {
    harness::Snapshot e = start;
    for (int id : {fMain::ID_txtSymbol, fMain::ID_lblPreview}) {
      e.controls[id].face = id == fMain::ID_txtSymbol ? viewFace : previewFace;
      e.controls[id].weight = flags & 1 << Bold ? FW_BOLD : FW_NORMAL;
      e.controls[id].flags = std::string(flags & 1 << Italic ? "I" : "") +
                             (flags & 1 << Underline ? "U" : "") +
                             (flags & 1 << StrikeOut ? "S" : "");
    }
    e.controls[fMain::ID_txtSymbol].height = kSizes[size].height;
    e.controls[fMain::ID_lblPreview].height = -21;
    e.controls[fMain::ID_lblPreview].text = previewFace;
    e.controls[fMain::ID_cboSize].text = kSizes[e.size = size].text;
    e.controls[fMain::ID_cboFonts].text = harness::ComboItem(fonts, e.font = font);
    for (int f = Bold; f <= StrikeOut; ++f)
      e.controls[kStyleBoxes[f]].check = flags & 1 << f ? BST_CHECKED : BST_UNCHECKED;
    if (rebuilt) e.row = -1;
    return e;
  };
  EXPECT_EQ(expected(), start);
  ExpectFlags(0);
  harness::MessageLog viewFonts(view, {WM_SETFONT}), listFonts(list, {WM_SETFONT});
  harness::RebuildLog rebuilds(list);
  PreviewWatch watch{view};
  ASSERT_TRUE(::SetWindowSubclass(preview, &WatchPreview, 1, reinterpret_cast<DWORD_PTR>(&watch)));
  const harness::OnExit unwatch([&] { ::RemoveWindowSubclass(preview, &WatchPreview, 1); });
  const std::vector<Step>& steps = GetParam().steps;
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE(testing::Message() << "step " << i << ": " << step.what << " " << step.arg);
    viewFonts.Clear(), listFonts.Clear(), rebuilds.Clear(), watch = {view};
    const std::string viewWas = viewFace, previewWas = previewFace;
    const int sizeWas = size, flagsWas = flags;
    ASSERT_NO_FATAL_FAILURE(Take(step, font));
    harness::Drain();
    if (step.what <= SizeUp) size = step.arg;
    if (step.what >= Tick && step.what <= Alt) flags ^= 1 << step.arg;
    if (step.what >= Font) viewFace = harness::ComboItem(fonts, font);
    if (step.what == Font || step.what == FontDown) previewFace = viewFace, rebuilt = true;
    EXPECT_EQ(expected(), harness::SnapshotOf(program));
    ExpectFlags(flags);
    EXPECT_EQ(viewFace != viewWas || size != sizeWas || flags != flagsWas,
              viewFonts.Count(WM_SETFONT));
    EXPECT_EQ(previewFace != previewWas || flags != flagsWas, watch.fonts);
    EXPECT_EQ(watch.fonts ? flags : -1, watch.viewFlags);
    EXPECT_EQ(step.what == Font || step.what == FontDown, rebuilds.count());
    EXPECT_EQ(0, listFonts.Count(WM_SETFONT));
  }
}

INSTANTIATE_TEST_SUITE_P(StyleSize, Stepping, testing::ValuesIn(kSteps),
                         testing::PrintToStringParamName());

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

TEST_F(StyleSize, TypedSizeIsNeverApplied) {
  harness::MessageLog viewFonts(view, {WM_SETFONT});
  // Neither a size that the list lacks nor one from the list, typed out in full.
  for (const char* typed : {"20", "72"}) {
    harness::FocusControl(sizes);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(::GetComboBoxInfo(sizes, &info));
    ASSERT_EQ(info.hwndItem, ::GetFocus());  // the box's text field has the focus
    ::SendMessageA(sizes, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    harness::TypeText(typed);
    EXPECT_EQ(typed, harness::Text(sizes));  // the typing arrived
    harness::PressKey(VK_RETURN);
    harness::Drain();
    EXPECT_EQ(-32, harness::FontOf(view).lfHeight);
    // Nor when the box loses the focus.
    harness::PressKey(VK_TAB);
    harness::Drain();
    EXPECT_NE(info.hwndItem, ::GetFocus());
    EXPECT_EQ(-32, harness::FontOf(view).lfHeight);
    EXPECT_EQ(-21, harness::FontOf(preview).lfHeight);
  }
  EXPECT_TRUE(harness::Sequence(viewFonts, {}));
}
