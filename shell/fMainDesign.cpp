#include "shell/fMainDesign.h"

#include <commctrl.h>

#include "resources/resource.h"

namespace fMainDesign {

const DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const SIZE kClientTwips{7170, 6345};
const RECT kPanelTwips{105, 105, 7020, 6120};  // left, top, width, height
const char kColumnHeader[] = "Charactor Symbol";
const int kColumnTwips = 2700;  // the list's width less its border and a vertical scroll bar

const win::FontSpec kDefaultFont{"MS Shell Dlg", 8.0f, false, false, false, false, DEFAULT_CHARSET};
namespace {
const win::FontSpec kArialBold{"Arial", 9.75f, true};
const win::FontSpec kKeycodeFont{"Arial", 21.75f, true};
const win::FontSpec kSymbolFont{"Verdana", 18.0f};

const DWORD kDisplayLabel = SS_CENTER | SS_NOPREFIX | WS_BORDER;
const DWORD kCheckBox = BS_AUTOCHECKBOX | BS_FLAT | WS_TABSTOP;
const DWORD kCaption = SS_LEFT;
}  // namespace

const char* const kSizes[15] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                "22", "24", "26", "28", "36", "48", "72"};
const char kDefaultSize[] = "24";
const float kPreviewPoints = 16.0f;

const int kRowGap = 5;
const SIZE kHelpButton{64, 48};
// The About and web buttons share the view's width less the Help button's: each takes half,
// less a correction. The two corrections together make the row's two gaps, so that with a
// Help button 64 wide the row spans exactly the view's width; the About button comes out 4
// pixels narrower than the web button.
const int kAboutCorrection = 7, kVisitCorrection = 3;

}  // namespace fMainDesign

using namespace fMainDesign;
using Back = fMain::Design::Back;
using B = FontBrowser;

// Every control of the panel, in tab order: creation, geometry in twips, font, background,
// then the notice that raises its event procedure, its hook, the reader of its notices and
// its picture.
// clang-format off
constexpr fMain::Design fMain::kDesign[kControlCount] = {
    {{ID_cboFonts, WC_COMBOBOXA, "", "Font", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 225, 495,
      2895, 315, nullptr, false},
     Back::Field, CBN_SELCHANGE, &Browsing<&B::cboFonts_Click>, &B::cboFonts_Hook},
    {{ID_lblPreview, WC_STATICA, "", nullptr, kDisplayLabel, 0, 3630, 480, 3000, 750, nullptr, false}, Back::Field},
    {{ID_txtSymbol, WC_EDITA, "", "Symbol View", ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
      0, 210, 3840, 6450, 1335, &kSymbolFont, false},
     Back::Field, 0, nullptr, &B::txtSymbol_Hook},
    {{ID_chkStrikeOut, WC_BUTTONA, "&StrikeOut", nullptr, kCheckBox, 0, 1365, 1935, 990, 360, nullptr, false},
     Back::Steel, BN_CLICKED, &Browsing<&B::chkStrikeOut_Click>},
    {{ID_chkUnderline, WC_BUTTONA, "&Undeline", nullptr, kCheckBox, 0, 1365, 1635, 990, 360, nullptr, false},
     Back::Steel, BN_CLICKED, &Browsing<&B::chkUnderline_Click>},
    {{ID_chkItalic, WC_BUTTONA, "&Italic", nullptr, kCheckBox, 0, 225, 1950, 765, 330, nullptr, false},
     Back::Steel, BN_CLICKED, &Browsing<&B::chkItalic_Click>},
    {{ID_chkBold, WC_BUTTONA, "&Bold", nullptr, kCheckBox, 0, 225, 1635, 990, 360, nullptr, false},
     Back::Steel, BN_CLICKED, &Browsing<&B::chkBold_Click>},
    {{ID_cboSize, WC_COMBOBOXA, "", "Size", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0, 225, 1230, 1695,
      315, nullptr, false},
     Back::Field, CBN_SELCHANGE, &Browsing<&B::cboSize_Click>, &B::Combo_Hook},
    {{ID_lblKeycode, WC_STATICA, "", nullptr, kDisplayLabel, 0, 3645, 2985, 3000, 660, &kKeycodeFont, false}, Back::Field},
    // Clicks come as notifications of the list view; a double-click counts too.
    {{ID_ListChars, WC_LISTVIEWA, "", "Symbol List",
      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP, 0, 3630, 1560,
      3000, 1110, nullptr, false},
     Back::Field, NM_CLICK, &Browsing<&B::ListChars_ItemClick>, &B::ListChars_Hook, &B::ListChars_Notice},
    {{ID_cmdVisit, WC_BUTTONA, "cmdVisit", nullptr, BS_OWNERDRAW | WS_TABSTOP, 0, 5385, 5235, 780, 720, nullptr, false},
     Back::None, BN_CLICKED, &Buttons<&ButtonRow::cmdVisit_Click>, nullptr, nullptr, IDB_VISIT},
    {{ID_cmdAbout, WC_BUTTONA, "&About this program", nullptr, BS_OWNERDRAW | WS_TABSTOP, 0, 450, 5130, 780, 720, nullptr,
      false},
     Back::None, BN_CLICKED, &Buttons<&ButtonRow::cmdAbout_Click>, nullptr, nullptr, IDB_ABOUT, true},
    {{ID_lblControls0 + 0, WC_STATICA, "&Font", nullptr, kCaption, 0, 225, 225, 420, 240, &kArialBold, true}, Back::Steel},
    {{ID_lblControls0 + 1, WC_STATICA, "&Size", nullptr, kCaption, 0, 225, 945, 420, 240, &kArialBold, true}, Back::Steel},
    {{ID_lblControls0 + 2, WC_STATICA, "&Preview", nullptr, kCaption, 0, 3630, 225, 780, 240, &kArialBold, true},
     Back::Steel},
    {{ID_lblControls0 + 3, WC_STATICA, "&Keycode(ASCII)", nullptr, kCaption, 0, 3630, 2730, 1470, 240, &kArialBold, true},
     Back::Steel},
    {{ID_lblControls0 + 4, WC_STATICA, "&Symbol View", nullptr, kCaption, 0, 210, 3555, 1260, 240, &kArialBold, true},
     Back::Steel},
    {{ID_lblControls0 + 5, WC_STATICA, "&Symbol List", nullptr, kCaption, 0, 3630, 1305, 1110, 240, &kArialBold, true},
     Back::Steel},
    {{ID_cmdCopy, WC_BUTTONA, "&Copy To Clipboard", nullptr, BS_PUSHBUTTON | WS_TABSTOP, 0, 225, 2925, 2265, 570,
      &kArialBold, false},
     Back::None, BN_CLICKED, &Browsing<&B::cmdCopy_Click>},
    {{ID_cmdHelp, WC_BUTTONA, "&Help", nullptr, BS_PUSHBUTTON | WS_TABSTOP, 0, 2925, 5295, 960, 720, &kArialBold, false},
     Back::None, BN_CLICKED, &Buttons<&ButtonRow::cmdHelp_Click>},
    {{ID_lblnumfonts, WC_STATICA, "", nullptr, kDisplayLabel, 0, 225, 2355, 3360, 390, &kArialBold, false}, Back::Field},
};
// clang-format on

const fMain::Design* fMain::RowOf(int id) {
  // Each row stands at its control's place in the tab order, where this finds it.
  static_assert(
      [] {
        for (int i = 0; i < kControlCount; ++i)
          if (kDesign[i].control.id != ID_cboFonts + i) return false;
        return true;
      }(),
      "a design row out of the order of fMain::Id");
  return id >= ID_cboFonts && id <= ID_Last ? &kDesign[id - ID_cboFonts] : nullptr;
}

size_t fMain::DesignCount() { return kControlCount; }

const win::ControlDesc& fMain::DesignControl(size_t index) { return kDesign[index].control; }
