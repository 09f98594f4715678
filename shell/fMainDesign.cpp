#include "shell/fMainDesign.h"

#include <commctrl.h>

#include <iterator>

#include "resources/Palette.h"
#include "resources/resource.h"
#include "shell/fMain.h"
#include "win/Panel.h"

namespace {

using palette::kInField;
using palette::kOnPanel;

const win::FontSpec kDefaultFont{"MS Shell Dlg", 8.0f, false, false, false, false, DEFAULT_CHARSET};
const win::FontSpec kArialBold{"Arial", 9.75f, true};
const win::FontSpec kKeycodeFont{"Arial", 21.75f, true};
const win::FontSpec kSymbolFont{"Verdana", 18.0f};

const DWORD kDisplayLabel = SS_CENTER | SS_NOPREFIX | WS_BORDER;
const DWORD kCheckBox = BS_AUTOCHECKBOX | BS_FLAT | WS_TABSTOP;

}  // namespace

// Every control of the panel, in tab order: how it is made, where it stands (twips), its font
// and colours, the notice that raises its event procedure, its hook, the reader of its notices
// and its picture.
struct fMain::Rows {
  static constexpr win::ControlDesign kPanel{.id = ID_picInterface,
                                             .className = win::kPanelClass,
                                             .style = WS_CLIPCHILDREN | WS_BORDER,
                                             .exStyle = WS_EX_CONTROLPARENT,
                                             .place = {105, 105, 7020, 6120},
                                             .colours = kOnPanel};

  // clang-format off
  static constexpr win::ControlDesign kControls[] = {
      {.id = ID_cboFonts, .className = WC_COMBOBOXA, .name = "Font",
       .style = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP,
       .place = {225, 495, 2895, 315}, .colours = kInField, .notice = CBN_SELCHANGE,
       .event = Browsing<&FontBrowser::cboFonts_Click>,
       .hook = BrowsingHook<&FontBrowser::cboFonts_Hook>},
      {.id = ID_lblPreview, .className = WC_STATICA, .style = kDisplayLabel,
       .place = {3630, 480, 3000, 750}, .colours = kInField},
      {.id = ID_txtSymbol, .className = WC_EDITA, .name = "Symbol View",
       .style = ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP,
       .place = {210, 3840, 6450, 1335}, .font = &kSymbolFont, .colours = kInField,
       .hook = BrowsingHook<&FontBrowser::txtSymbol_Hook>},
      {.id = ID_chkStrikeOut, .className = WC_BUTTONA, .caption = "&StrikeOut", .style = kCheckBox,
       .place = {1365, 1935, 990, 360}, .colours = kOnPanel, .notice = BN_CLICKED,
       .event = Browsing<&FontBrowser::chkStrikeOut_Click>},
      {.id = ID_chkUnderline, .className = WC_BUTTONA, .caption = "&Undeline", .style = kCheckBox,
       .place = {1365, 1635, 990, 360}, .colours = kOnPanel, .notice = BN_CLICKED,
       .event = Browsing<&FontBrowser::chkUnderline_Click>},
      {.id = ID_chkItalic, .className = WC_BUTTONA, .caption = "&Italic", .style = kCheckBox,
       .place = {225, 1950, 765, 330}, .colours = kOnPanel, .notice = BN_CLICKED,
       .event = Browsing<&FontBrowser::chkItalic_Click>},
      {.id = ID_chkBold, .className = WC_BUTTONA, .caption = "&Bold", .style = kCheckBox,
       .place = {225, 1635, 990, 360}, .colours = kOnPanel, .notice = BN_CLICKED,
       .event = Browsing<&FontBrowser::chkBold_Click>},
      {.id = ID_cboSize, .className = WC_COMBOBOXA, .name = "Size",
       .style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
       .place = {225, 1230, 1695, 315}, .colours = kInField, .notice = CBN_SELCHANGE,
       .event = Browsing<&FontBrowser::cboSize_Click>,
       .hook = BrowsingHook<&FontBrowser::Combo_Hook>},
      {.id = ID_lblKeycode, .className = WC_STATICA, .style = kDisplayLabel,
       .place = {3645, 2985, 3000, 660}, .font = &kKeycodeFont, .live = true, .colours = kInField},
      // Clicks come as notifications of the list view; a double-click counts too.
      {.id = ID_ListChars, .className = WC_LISTVIEWA, .name = "Symbol List",
       .style = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP,
       .place = {3630, 1560, 3000, 1110}, .colours = kInField, .notice = NM_CLICK,
       .event = Browsing<&FontBrowser::ListChars_ItemClick>,
       .hook = BrowsingHook<&FontBrowser::ListChars_Hook>,
       .notices = BrowsingNotices<&FontBrowser::ListChars_Notice>},
      {.id = ID_cmdVisit, .className = WC_BUTTONA, .caption = "cmdVisit",
       .style = BS_OWNERDRAW | WS_TABSTOP, .place = {5385, 5235, 780, 720}, .picture = IDB_VISIT,
       .notice = BN_CLICKED, .event = Buttons<&ButtonRow::cmdVisit_Click>},
      // Its picture's silver is not drawn: the face shows through.
      {.id = ID_cmdAbout, .className = WC_BUTTONA, .caption = "&About this program",
       .style = BS_OWNERDRAW | WS_TABSTOP, .place = {450, 5130, 780, 720}, .picture = IDB_ABOUT,
       .masked = true, .notice = BN_CLICKED, .event = Buttons<&ButtonRow::cmdAbout_Click>},
      // The caption labels, each sized to its caption.
      {.id = ID_lblControls0 + 0, .className = WC_STATICA, .caption = "&Font",
       .place = {225, 225, 420, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_lblControls0 + 1, .className = WC_STATICA, .caption = "&Size",
       .place = {225, 945, 420, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_lblControls0 + 2, .className = WC_STATICA, .caption = "&Preview",
       .place = {3630, 225, 780, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_lblControls0 + 3, .className = WC_STATICA, .caption = "&Keycode(ASCII)",
       .place = {3630, 2730, 1470, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_lblControls0 + 4, .className = WC_STATICA, .caption = "&Symbol View",
       .place = {210, 3555, 1260, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_lblControls0 + 5, .className = WC_STATICA, .caption = "&Symbol List",
       .place = {3630, 1305, 1110, 240}, .font = &kArialBold, .autoSize = true, .colours = kOnPanel},
      {.id = ID_cmdCopy, .className = WC_BUTTONA, .caption = "&Copy To Clipboard",
       .style = BS_PUSHBUTTON | WS_TABSTOP, .place = {225, 2925, 2265, 570}, .font = &kArialBold,
       .notice = BN_CLICKED, .event = Browsing<&FontBrowser::cmdCopy_Click>},
      {.id = ID_cmdHelp, .className = WC_BUTTONA, .caption = "&Help",
       .style = BS_PUSHBUTTON | WS_TABSTOP, .place = {2925, 5295, 960, 720}, .font = &kArialBold,
       .notice = BN_CLICKED, .event = Buttons<&ButtonRow::cmdHelp_Click>},
      {.id = ID_lblnumfonts, .className = WC_STATICA, .style = kDisplayLabel,
       .place = {225, 2355, 3360, 390}, .font = &kArialBold, .colours = kInField},
  };
  // clang-format on

  // Each row stands at its control's place in the tab order.
  static constexpr bool InOrder() {
    for (int i = 0; i < static_cast<int>(std::size(kControls)); ++i)
      if (kControls[i].id != ID_cboFonts + i) return false;
    return ID_cboFonts + static_cast<int>(std::size(kControls)) == ID_Last + 1;
  }
};
static_assert(fMain::Rows::InOrder(), "a design row out of the order of MainIds");

namespace fMainDesign {

const win::FormDesign kForm{
    .className = "VarneloMain",
    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
    .client = {7170, 6345},
    .icon = IDI_VARNELO,
    .backdrop = &palette::kBackdrop,
    .font = &kDefaultFont,
    .panel = &fMain::Rows::kPanel,
    .controls = fMain::Rows::kControls};

const char* const kSizes[15] = {"8",  "9",  "10", "11", "12", "14", "16", "18",
                                "22", "24", "26", "28", "36", "48", "72"};
const char kDefaultSize[] = "24";
const float kPreviewPoints = 16.0f;
const char kColumnHeader[] = "Charactor Symbol";
const int kColumnTwips = 2700;  // the list's width less its border and a vertical scroll bar

const int kRowGap = 5;
const SIZE kHelpButton{64, 48};
// The About and web buttons share the view's width less the Help button's: each takes half,
// less a correction. The two corrections together make the row's two gaps, so that with a
// Help button 64 wide the row spans exactly the view's width; the About button comes out 4
// pixels narrower than the web button.
const int kAboutCorrection = 7, kVisitCorrection = 3;

}  // namespace fMainDesign

std::span<const win::ControlDesign> fMain::Design() { return Rows::kControls; }
