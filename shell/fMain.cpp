#include "shell/fMain.h"

#include <commctrl.h>

#include <iterator>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "resources/resource.h"
#include "win/Controls.h"
#include "win/Panel.h"
#include "win/PictureButton.h"

namespace {

const char kMainClass[] = "VarneloMain";
const DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

const COLORREF kWindowGrey = RGB(128, 128, 128);
const COLORREF kSteelBlue = RGB(128, 160, 192);
const COLORREF kFieldGrey = RGB(224, 224, 224);

// Design geometry in twips.
const SIZE kClientTwips{7170, 6345};
const RECT kPanelTwips{105, 105, 7020, 6120};  // left, top, width, height
const int kColumnTwips = 2700;

const win::FontSpec kDefaultFont{"MS Shell Dlg", 8.0f, false, false, false, false, DEFAULT_CHARSET};
const win::FontSpec kArialBold{"Arial", 9.75f, true};
const win::FontSpec kKeycodeFont{"Arial", 21.75f, true};
const win::FontSpec kSymbolFont{"Verdana", 18.0f};

enum class Back { None, Steel, Field };

struct Design {
  win::ControlDesc control;
  Back back;
};

const DWORD kDisplayLabel = SS_CENTER | SS_NOPREFIX | SS_EDITCONTROL | WS_BORDER;
const DWORD kCheckBox = BS_AUTOCHECKBOX | BS_FLAT | WS_TABSTOP;

// Every control of the panel, in tab order.
const Design kDesign[] = {
    {{fMain::ID_cboFonts, WC_COMBOBOXA, "", CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0,
      225, 495, 2895, 315, nullptr, false}, Back::Field},
    {{fMain::ID_lblPreview, WC_STATICA, "", kDisplayLabel, 0, 3630, 480, 3000, 750, nullptr, false},
     Back::Field},
    {{fMain::ID_txtSymbol, WC_EDITA, "",
      ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 0, 210,
      3840, 6450, 1335, &kSymbolFont, false}, Back::Field},
    {{fMain::ID_chkStrikeOut, WC_BUTTONA, "&StrikeOut", kCheckBox, 0, 1365, 1935, 990, 360, nullptr,
      false}, Back::Steel},
    {{fMain::ID_chkUnderline, WC_BUTTONA, "&Undeline", kCheckBox, 0, 1365, 1635, 990, 360, nullptr,
      false}, Back::Steel},
    {{fMain::ID_chkItalic, WC_BUTTONA, "&Italic", kCheckBox, 0, 225, 1950, 765, 330, nullptr, false},
     Back::Steel},
    {{fMain::ID_chkBold, WC_BUTTONA, "&Bold", kCheckBox, 0, 225, 1635, 990, 360, nullptr, false},
     Back::Steel},
    {{fMain::ID_cboSize, WC_COMBOBOXA, "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
      0, 225, 1230, 1695, 315, nullptr, false}, Back::Field},
    {{fMain::ID_lblKeycode, WC_STATICA, "", kDisplayLabel, 0, 3645, 2985, 3000, 660, &kKeycodeFont,
      false}, Back::Field},
    {{fMain::ID_ListChars, WC_LISTVIEWA, "",
      LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | WS_BORDER | WS_TABSTOP, 0, 3630, 1560, 3000,
      1110, nullptr, false}, Back::Field},
    {{fMain::ID_cmdVisit, WC_BUTTONA, "cmdVisit", BS_OWNERDRAW | WS_TABSTOP, 0, 5385, 5235, 780, 720,
      nullptr, false}, Back::None},
    {{fMain::ID_cmdAbout, WC_BUTTONA, "&About this program", BS_OWNERDRAW | WS_TABSTOP, 0, 450, 5130,
      780, 720, nullptr, false}, Back::None},
    {{fMain::ID_lblControls0 + 0, WC_STATICA, "&Font", SS_LEFT, 0, 225, 225, 420, 240, &kArialBold,
      true}, Back::Steel},
    {{fMain::ID_lblControls0 + 1, WC_STATICA, "&Size", SS_LEFT, 0, 225, 945, 420, 240, &kArialBold,
      true}, Back::Steel},
    {{fMain::ID_lblControls0 + 2, WC_STATICA, "&Preview", SS_LEFT, 0, 3630, 225, 780, 240,
      &kArialBold, true}, Back::Steel},
    {{fMain::ID_lblControls0 + 3, WC_STATICA, "&Keycode(ASCII)", SS_LEFT, 0, 3630, 2730, 1470, 240,
      &kArialBold, true}, Back::Steel},
    {{fMain::ID_lblControls0 + 4, WC_STATICA, "&Symbol View", SS_LEFT, 0, 210, 3555, 1260, 240,
      &kArialBold, true}, Back::Steel},
    {{fMain::ID_lblControls0 + 5, WC_STATICA, "&Symbol List", SS_LEFT, 0, 3630, 1305, 1110, 240,
      &kArialBold, true}, Back::Steel},
    {{fMain::ID_cmdCopy, WC_BUTTONA, "&Copy To Clipboard", BS_PUSHBUTTON | WS_TABSTOP, 0, 225, 2925,
      2265, 570, &kArialBold, false}, Back::None},
    {{fMain::ID_cmdHelp, WC_BUTTONA, "&Help", BS_PUSHBUTTON | WS_TABSTOP, 0, 2925, 5295, 960, 720,
      &kArialBold, false}, Back::None},
    {{fMain::ID_lblnumfonts, WC_STATICA, "", kDisplayLabel, 0, 225, 2355, 3360, 390, &kArialBold,
      false}, Back::Field},
};
static_assert(sizeof kDesign / sizeof kDesign[0] == fMain::ID_Last - fMain::ID_cboFonts + 1,
              "one design row per control");

const char* const kSizes[] = {"8", "9", "10", "11", "12", "14", "16", "18",
                              "22", "24", "26", "28", "36", "48", "72"};

const Design* DesignOf(int id) {
  for (const Design& d : kDesign)
    if (d.control.id == id) return &d;
  return nullptr;
}

// Combo boxes draw a sunken edge of their own; this draws a flat single line over it.
void DrawFlatComboFrame(HWND combo, COLORREF field) {
  win::WindowDC dc(combo);
  RECT r;
  ::GetClientRect(combo, &r);
  win::UniqueBrush frame(::CreateSolidBrush(::GetSysColor(COLOR_WINDOWFRAME)));
  win::UniqueBrush inner(::CreateSolidBrush(field));
  ::FrameRect(dc.get(), &r, frame.get());
  ::InflateRect(&r, -1, -1);
  ::FrameRect(dc.get(), &r, inner.get());
}

// Sets the height of a combo box's selection field, which follows the item height that the
// control is given; how the two relate differs between platforms, so it is measured.
void SetComboFieldHeight(HWND combo, int height) {
  int item = -1;
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT r;
    ::GetWindowRect(combo, &r);
    int error = height - (r.bottom - r.top);
    if (error == 0) return;
    if (item < 0) item = static_cast<int>(::SendMessageA(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    item += error;
    if (item <= 0) return;
    ::SendMessageA(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
}

}  // namespace

size_t fMain::DesignCount() { return sizeof kDesign / sizeof kDesign[0]; }

const win::ControlDesc& fMain::DesignControl(size_t index) { return kDesign[index].control; }

fMain::fMain(Options options) : options_(options) {}

fMain::~fMain() {
  // The auxiliary windows are owned by this one and go with it.
  Destroy();
}

HWND fMain::Control(int id) const {
  return id == ID_picInterface ? picInterface_ : ::GetDlgItem(picInterface_, id);
}

bool fMain::Load() {
  static const bool registered = win::RegisterWindowClass(kMainClass, &fMain::WindowProc, IDI_VARNELO);
  if (!registered) return false;

  dpi_ = win::ScreenDpi();
  SIZE size = win::WindowSizeForClient(kMainStyle, 0, win::TwipsToPixels(kClientTwips.cx, dpi_),
                                       win::TwipsToPixels(kClientTwips.cy, dpi_));
  if (!::CreateWindowExA(0, kMainClass, "", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx,
                         size.cy, nullptr, nullptr, ::GetModuleHandleA(nullptr), this))
    return false;
  Form_Load();
  return true;
}

void fMain::Show() {
  // The button row is lined up while the window is still hidden, where moving controls costs
  // nothing on screen; the first display's Form_Resize then finds every button in place.
  Form_Resize();
  ::ShowWindow(hwnd_, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd_);
}

bool fMain::CreateControls() {
  windowGrey_.reset(::CreateSolidBrush(kWindowGrey));
  steelBlue_.reset(::CreateSolidBrush(kSteelBlue));
  fieldGrey_.reset(::CreateSolidBrush(kFieldGrey));

  picInterface_ = win::CreatePanel(
      hwnd_, ID_picInterface, win::TwipsToPixels(kPanelTwips.left, dpi_),
      win::TwipsToPixels(kPanelTwips.top, dpi_), win::TwipsToPixels(kPanelTwips.right, dpi_),
      win::TwipsToPixels(kPanelTwips.bottom, dpi_), WS_BORDER, steelBlue_.get());
  if (!picInterface_) return false;

  for (const Design& d : kDesign) {
    HWND control = win::CreateControl(picInterface_, d.control, dpi_);
    if (!control) return false;
    win::ControlFont& font = FontOf(d.control.id);
    font.Attach(control, dpi_);
    font.Apply(d.control.font ? *d.control.font : kDefaultFont);
    if (d.control.autoSize) {
      SIZE text = win::MeasureCaption(control, d.control.caption, font.get());
      ::SetWindowPos(control, nullptr, 0, 0, text.cx, text.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
  }

  HWND cboSize = Control(ID_cboSize);
  for (const char* size : kSizes) ::SendMessageA(cboSize, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(size));
  for (int id : {ID_cboFonts, ID_cboSize}) {
    const win::ControlDesc& d = DesignOf(id)->control;
    SetComboFieldHeight(Control(id), win::TwipsToPixels(d.height, dpi_));
  }

  listChars_.Attach(Control(ID_ListChars), dpi_, win::TwipsToPixels(kColumnTwips, dpi_), kFieldGrey,
                    ::GetSysColor(COLOR_WINDOWTEXT));

  const int hooked[] = {ID_cboFonts, ID_cboSize, ID_txtSymbol, ID_ListChars};
  static_assert(std::size(hooked) == std::tuple_size<decltype(hooks_)>::value);
  for (size_t i = 0; i < hooks_.size(); ++i)
    hooks_[i].Attach(Control(hooked[i]), hooked[i], &fMain::ControlProc, this);
  CreatePictures();
  return true;
}

void fMain::CreatePictures() {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  const COLORREF silver = RGB(192, 192, 192);  // the About picture's background shows the face
  aboutPicture_ = win::Picture(instance, IDB_ABOUT, dpi_, &silver);
  visitPicture_ = win::Picture(instance, IDB_VISIT, dpi_, nullptr);
}

void fMain::SelectListIndex(int id, int index) {
  if (::SendMessageA(Control(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR) return;
  if (id == ID_cboFonts) cboFonts_Click();
  if (id == ID_cboSize) cboSize_Click();
}

LRESULT fMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      return CreateControls() ? 0 : -1;
    case WM_SIZE:
      Form_Resize();
      return 0;
    case WM_ERASEBKGND: {
      RECT r;
      ::GetClientRect(hwnd_, &r);
      ::FillRect(reinterpret_cast<HDC>(wp), &r, windowGrey_.get());
      return 1;
    }
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lp));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_DRAWITEM:
      OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_NEXTDLGCTL:
      OnNextDlgCtl(wp, lp);
      return 0;
    case WM_ACTIVATE:
      // The focus leaves with the window and comes back to the same control.
      if (LOWORD(wp) == WA_INACTIVE) {
        HWND focus = ::GetFocus();
        if (focus && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS: {
      HWND target = lastFocus_ && ::IsWindow(lastFocus_)
                        ? lastFocus_
                        : ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
      if (target) ::SetFocus(target);
      return 0;
    }
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

HBRUSH fMain::OnCtlColor(HDC dc, HWND control) {
  // A combo box's edit field and drop-down list report themselves, not the combo box.
  HWND owner = control;
  while (owner && ::GetParent(owner) != picInterface_) owner = ::GetParent(owner);
  const Design* d = owner ? DesignOf(::GetDlgCtrlID(owner)) : nullptr;
  Back back = d ? d->back : Back::Field;  // drop-down lists are popups of their combo box
  if (back == Back::None) return nullptr;
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, back == Back::Steel ? kSteelBlue : kFieldGrey);
  return back == Back::Steel ? steelBlue_.get() : fieldGrey_.get();
}

void fMain::OnCommand(int id, int code, HWND control) {
  if (code == CBN_SELCHANGE) {
    if (id == ID_cboFonts) cboFonts_Click();
    if (id == ID_cboSize) cboSize_Click();
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case ID_chkBold: chkBold_Click(); break;
    case ID_chkItalic: chkItalic_Click(); break;
    case ID_chkStrikeOut: chkStrikeOut_Click(); break;
    case ID_chkUnderline: chkUnderline_Click(); break;
    case ID_cmdCopy: cmdCopy_Click(); break;
    case ID_cmdHelp: cmdHelp_Click(); break;
    case ID_cmdAbout: cmdAbout_Click(); break;
    case ID_cmdVisit: cmdVisit_Click(); break;
    case IDOK: {
      // Enter, passed on by the dialog manager: the window has no default button, but a
      // push button that has the focus is pressed, as in any dialog.
      HWND focus = control ? control : ::GetFocus();
      if (focus && ::IsChild(picInterface_, focus) && win::IsPushButton(focus))
        ::SendMessageA(focus, BM_CLICK, 0, 0);
      break;
    }
  }
}

LRESULT fMain::OnNotify(const NMHDR& header) {
  if (static_cast<int>(header.idFrom) != ID_ListChars) return 0;
  if (header.code == LVN_GETDISPINFOA) {
    listChars_.OnGetDisplayInfo(const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)));
    return 0;
  }
  if (header.code == LVN_ODFINDITEMA)
    return listChars_.OnFindItem(reinterpret_cast<const NMLVFINDITEMA&>(header));
  if (header.code == NM_CLICK || header.code == NM_DBLCLK) {  // a double-click is a click too
    if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0 && listChars_.SelectedIndex() >= 0)
      ListChars_ItemClick();
  } else if (header.code == LVN_ITEMCHANGED && listKeyboard_) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if ((change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
      ListChars_ItemClick();
  }
  return 0;
}

void fMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.CtlID == ID_cmdAbout) win::DrawPictureButton(item, aboutPicture_);
  if (item.CtlID == ID_cmdVisit) win::DrawPictureButton(item, visitPicture_);
}

void fMain::OnNextDlgCtl(WPARAM wp, LPARAM lp) {
  // A plain window does what the dialog manager expects of a dialog here: focus the given
  // control, or the next or previous tab stop.
  HWND target = lp ? reinterpret_cast<HWND>(wp) : ::GetNextDlgTabItem(hwnd_, ::GetFocus(), wp != 0);
  if (!target) return;
  ::SetFocus(target);
  if (::SendMessageA(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
    ::SendMessageA(target, EM_SETSEL, 0, -1);
}

LRESULT fMain::ControlProc(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return static_cast<fMain*>(hook.owner())->OnControlMessage(hook, hwnd, msg, wp, lp);
  } catch (...) {
    return hook.CallNext(hwnd, msg, wp, lp);
  }
}

LRESULT fMain::OnControlMessage(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (hook.id()) {
    case ID_cboFonts:
      if (msg == WM_GETDLGCODE && lp) {
        // The dialog manager swallows Enter unless the control asks for it.
        const MSG* key = reinterpret_cast<const MSG*>(lp);
        LRESULT code = hook.CallNext(hwnd, msg, wp, lp);
        if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
        return code;
      }
      if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {  // with Alt held, Enter comes as a system key
        int shift = (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                    (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
        cboFonts_KeyDown(static_cast<int>(wp), shift);
      }
      [[fallthrough]];
    case ID_cboSize:
      if (msg == WM_PAINT) {
        LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
        DrawFlatComboFrame(hwnd, kFieldGrey);
        return result;
      }
      break;
    case ID_txtSymbol:
      if (msg == WM_RBUTTONUP) {
        // Before the edit control's context menu takes over.
        txtSymbol_MouseUp();
        return hook.CallNext(hwnd, msg, wp, lp);
      }
      if (msg == WM_LBUTTONUP || msg == WM_MBUTTONUP || msg == WM_XBUTTONUP) {
        LRESULT result = hook.CallNext(hwnd, msg, wp, lp);  // ends the selection first
        txtSymbol_MouseUp();
        return result;
      }
      break;
    case ID_ListChars:
      if (msg == WM_KEYDOWN) {
        listKeyboard_ = true;
        LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
        listKeyboard_ = false;
        return result;
      }
      break;
  }
  return hook.CallNext(hwnd, msg, wp, lp);
}
