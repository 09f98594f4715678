// The main window's controls as the user first sees them: kinds, behaviour-deciding styles,
// captions, rectangles, fonts, colours, tab order and access keys.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/Harness.h"
#include "win/Handles.h"

using namespace harness::colours;

namespace {

using Design = harness::MainWindowTest;

LONG_PTR StyleOf(HWND window) { return ::GetWindowLongPtrA(window, GWL_STYLE); }

// The colour that covers most of a control's client area: its background.
COLORREF Background(HWND control) { return harness::MostCommon(harness::Colours(control)); }

}  // namespace

TEST_F(Design, EveryControlHasItsKindCaptionRectangleAndFont) {
  for (const harness::MainControl& e : harness::kMainControls) {
    SCOPED_TRACE(e.id);
    HWND control = program[e.id];
    ASSERT_TRUE(control);
    EXPECT_STREQ(e.className, harness::ClassName(control).c_str());
    if (e.caption) {
      EXPECT_EQ(e.caption, harness::Text(control));
    }
    // A caption label is as wide and as high as its text, with no border.
    const SIZE size =
        e.box.width ? SIZE{e.box.width, e.box.height} : harness::TextSize(control, e.caption);
    EXPECT_EQ((harness::Box{e.box.left, e.box.top, size.cx, size.cy}), harness::BoxOf(control));
    EXPECT_TRUE(e.box.width || !(StyleOf(control) & WS_BORDER));
    EXPECT_TRUE(::IsWindowVisible(control));
    EXPECT_TRUE(::IsWindowEnabled(control));
    if (e.face) {
      EXPECT_TRUE(harness::HasFont(control, e.face, e.height, e.bold ? FW_BOLD : FW_NORMAL, ""));
      EXPECT_EQ(ANSI_CHARSET, harness::FontOf(control).lfCharSet);
    }
  }
}

TEST_F(Design, ControlsBehaveAsDesigned) {
  LONG_PTR fonts = StyleOf(program[fMain::ID_cboFonts]);
  EXPECT_EQ(CBS_DROPDOWNLIST, fonts & 3);  // a list the user can't type into
  EXPECT_TRUE(fonts & CBS_SORT);
  LONG_PTR sizes = StyleOf(program[fMain::ID_cboSize]);
  EXPECT_EQ(CBS_DROPDOWN, sizes & 3);  // with a text field that takes typing
  EXPECT_FALSE(sizes & CBS_SORT);

  LONG_PTR view = StyleOf(program[fMain::ID_txtSymbol]);
  EXPECT_TRUE(view & ES_MULTILINE);
  EXPECT_TRUE(view & ES_READONLY);
  EXPECT_TRUE(view & WS_VSCROLL);
  EXPECT_FALSE(view & (WS_HSCROLL | ES_AUTOHSCROLL));  // wraps, never scrolls sideways
  // An edit control takes WS_BORDER out of its style and draws the flat line itself.
  EXPECT_FALSE(::GetWindowLongPtrA(program[fMain::ID_txtSymbol], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  EXPECT_EQ(LVS_REPORT, StyleOf(list) & LVS_TYPEMASK);
  EXPECT_TRUE(StyleOf(list) & LVS_SHOWSELALWAYS);
  EXPECT_FALSE(StyleOf(list) & LVS_EDITLABELS);
  DWORD ex = ListView_GetExtendedListViewStyle(list);
  EXPECT_TRUE(ex & LVS_EX_FULLROWSELECT);
  EXPECT_TRUE(ex & LVS_EX_GRIDLINES);
  char header[64] = {};
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.pszText = header;
  column.cchTextMax = sizeof header;
  ASSERT_TRUE(ListView_GetColumn(list, 0, &column));
  EXPECT_STREQ("Charactor Symbol", header);
  EXPECT_EQ(180, column.cx);
  EXPECT_FALSE(ListView_GetColumn(list, 1, &column));  // one column only

  for (int id : harness::kStyleBoxes) {
    EXPECT_EQ(BS_AUTOCHECKBOX, StyleOf(program[id]) & BS_TYPEMASK);
    EXPECT_TRUE(StyleOf(program[id]) & BS_FLAT);
    EXPECT_EQ(BST_UNCHECKED, ::SendMessageA(program[id], BM_GETCHECK, 0, 0));
  }
  for (int id : {fMain::ID_lblPreview, fMain::ID_lblKeycode, fMain::ID_lblnumfonts}) {
    EXPECT_EQ(SS_CENTER, StyleOf(program[id]) & SS_TYPEMASK);
    EXPECT_TRUE(StyleOf(program[id]) & WS_BORDER);  // a flat single line
  }
  // A text that doesn't fit a framed label is cut off at the label's edge: of a second line
  // with room for only a part of it, that part shows. (The keystroke of a double-byte
  // character breaks onto a second line; the label holds one line and a bit.)
  ::SetWindowTextA(label, "<ALT> + 0-32096");
  harness::PixelAt(label, 0, 0);
  RECT below = harness::ClientRect(label);
  below.top = harness::TextSize(label, "<ALT>").cy;  // under the first line
  ASSERT_LT(below.top, below.bottom);
  int ink = 0;
  for (auto [colour, count] : harness::ColoursIn(win::WindowDC(label).get(), below))
    ink += colour != kFieldGrey ? count : 0;
  EXPECT_GT(ink, 0) << "the part of the second line that fits";

  // The panel: the window's only child, with a flat border.
  HWND panel = program[fMain::ID_picInterface];
  EXPECT_EQ(panel, ::GetWindow(program.window(), GW_CHILD));
  EXPECT_FALSE(::GetWindow(panel, GW_HWNDNEXT));
  EXPECT_TRUE(StyleOf(panel) & WS_BORDER);
  // Centred: 478 / 2 - 468 / 2 = 5 and 423 / 2 - 408 / 2 = 7.5, to the nearest pixel, half up.
  EXPECT_EQ((harness::Box{5, 8, 468, 408}), harness::BoxOf(panel));
}

TEST_F(Design, SizeListHoldsFifteenSizesInStoredOrder) {
  EXPECT_EQ((std::vector<std::string>{"8", "9", "10", "11", "12", "14", "16", "18", "22", "24",
                                      "26", "28", "36", "48", "72"}),
            harness::ComboItems(sizes));
  for (WPARAM i = 0; i < 15; ++i) EXPECT_EQ(0, ::SendMessageA(sizes, CB_GETITEMDATA, i, 0)) << i;
}

TEST_F(Design, WindowHasAFixedBorderAndMinimiseButtonOnly) {
  LONG_PTR style = StyleOf(program.window());
  // Of the buttons and the border that resizes, the minimise button and the menu only.
  const LONG_PTR frame = WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME | WS_SYSMENU;
  EXPECT_EQ(WS_MINIMIZEBOX | WS_SYSMENU, style & frame);
  RECT client = harness::ClientRect(program.window());
  EXPECT_EQ(478, client.right);
  EXPECT_EQ(423, client.bottom);
  EXPECT_TRUE(::SendMessageA(program.window(), WM_GETICON, ICON_BIG, 0) ||
              ::GetClassLongPtrA(program.window(), GCLP_HICON));
  EXPECT_FALSE(::GetWindow(program.window(), GW_OWNER));  // its own taskbar button
}

TEST_F(Design, ColoursAreThoseOfTheDesign) {
  EXPECT_EQ(kWindowGrey, harness::PixelAt(program.window(), 1, 1));
  HWND panel = program[fMain::ID_picInterface];
  EXPECT_EQ(kSteelBlue, harness::PixelAt(panel, 3, 3));
  EXPECT_EQ(kSteelBlue, harness::PixelAt(panel, 460, 3));
  for (int id :
       {int(fMain::ID_chkBold), int(fMain::ID_chkItalic), int(fMain::ID_chkUnderline),
        int(fMain::ID_chkStrikeOut), int(fMain::ID_lblControls0), fMain::ID_lblControls0 + 3})
    EXPECT_EQ(kSteelBlue, Background(program[id])) << id;
  for (int id : {fMain::ID_lblPreview, fMain::ID_lblKeycode, fMain::ID_lblnumfonts,
                 fMain::ID_txtSymbol, fMain::ID_ListChars})
    EXPECT_EQ(kFieldGrey, Background(program[id])) << id;
  // The size box's text field.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(::GetComboBoxInfo(sizes, &info));
  RECT edit = harness::ClientRect(info.hwndItem);
  EXPECT_EQ(kFieldGrey, harness::PixelAt(info.hwndItem, edit.right - 2, edit.bottom - 2));
  // A flat border: one dark line, then the field (a sunken edge would show a second line).
  for (int id : {fMain::ID_lblnumfonts, fMain::ID_txtSymbol}) {
    RECT r = harness::RectInParent(program[id]);
    int middle = (r.top + r.bottom) / 2;
    COLORREF frame = harness::PixelAt(panel, r.left, middle);
    COLORREF inside = harness::PixelAt(panel, r.left + 1, middle);
    EXPECT_NE(kFieldGrey, frame) << id;
    EXPECT_NE(kSteelBlue, frame) << id;
    EXPECT_EQ(kFieldGrey, inside) << id;
  }
}

TEST_F(Design, TabVisitsTheTwelveFocusableControlsInOrder) {
  std::vector<int> order = harness::Focusable();
  ASSERT_EQ(12u, order.size());
  order.push_back(order.front());  // and round again
  HWND at = program[order[0]];
  for (size_t i = 1; i < order.size(); ++i) {
    at = ::GetNextDlgTabItem(program.window(), at, FALSE);
    EXPECT_EQ(program[order[i]], at) << "step " << i;
  }
}

TEST_F(Design, CaptionLabelAccessKeysFocusTheCopyButton) {
  for (WORD key : {'F', 'P', 'K'}) {
    harness::FocusControl(fonts);
    harness::PressKey(key, false, false, true);
    EXPECT_EQ(program[fMain::ID_cmdCopy], ::GetFocus()) << static_cast<char>(key);
  }
}

TEST_F(Design, CheckBoxAccessKeyTogglesTheBox) {
  harness::FocusControl(fonts);
  harness::PressKey('B', false, false, true);
  EXPECT_EQ(BST_CHECKED, ::SendMessageA(program[fMain::ID_chkBold], BM_GETCHECK, 0, 0));
  EXPECT_EQ(FW_BOLD, harness::FontOf(view).lfWeight);
}
