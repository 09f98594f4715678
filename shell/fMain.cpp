// The main window's controls created from their design rows, and the dispatch of their
// events: a control's row says which event procedure it raises, so that a user's action
// and a choice from code take the same path.
#include "shell/fMain.h"

#include <commctrl.h>

#include "dialogs/fAbout.h"
#include "dialogs/fHelp.h"
#include "resources/resource.h"
#include "shell/Palette.h"
#include "shell/fMainDesign.h"
#include "win/Panel.h"

using namespace fMainDesign;
using palette::kFieldGrey;
using palette::kSteelBlue;
using Back = fMain::Design::Back;

namespace {
const char kMainClass[] = "VarneloMain";
}  // namespace

fMain::fMain(Options options) : options_(options) {}

fMain::~fMain() {
  // The auxiliary windows are owned by this one and go with it.
  Destroy();
}

HWND fMain::Control(int id) const {
  return id == ID_picInterface ? picInterface_ : ::GetDlgItem(picInterface_, id);
}

bool fMain::Load() {
  static const bool registered =
      win::RegisterWindowClass(kMainClass, &fMain::WindowProc, IDI_VARNELO);
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
  picInterface_ = win::CreatePanel(
      hwnd_, ID_picInterface, win::TwipsToPixels(kPanelTwips.left, dpi_),
      win::TwipsToPixels(kPanelTwips.top, dpi_), win::TwipsToPixels(kPanelTwips.right, dpi_),
      win::TwipsToPixels(kPanelTwips.bottom, dpi_), WS_BORDER, palette::Brush(kSteelBlue));
  if (!picInterface_) return false;
  navigation_.Attach(hwnd_, picInterface_);

  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  for (size_t i = 0; i < kControlCount; ++i) {
    const Design& d = kDesign[i];
    HWND control = win::CreateControl(picInterface_, d.control, dpi_);
    if (!control) return false;
    fonts_[i].Attach(control, dpi_);
    fonts_[i].Apply(d.control.font ? *d.control.font : kDefaultFont);
    if (d.control.autoSize) {
      SIZE text = win::MeasureCaption(control, d.control.caption, fonts_[i].get());
      ::SetWindowPos(control, nullptr, 0, 0, text.cx, text.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (d.hook) hooks_[i].Attach(control, this, d.hook);
    if (d.picture) {
      const COLORREF silver = RGB(192, 192, 192);
      pictures_[i] = win::Picture(instance, d.picture, dpi_, d.masked ? &silver : nullptr);
    }
  }

  win::ComboBox sizes = Combo(ID_cboSize);
  for (const char* size : kSizes) sizes.Add(size);
  for (int id : {ID_cboFonts, ID_cboSize})
    Combo(id).SetFieldHeight(win::TwipsToPixels(DesignOf(id).control.height, dpi_));

  listChars_.Attach(Control(ID_ListChars), dpi_, win::TwipsToPixels(kColumnTwips, dpi_), kFieldGrey,
                    ::GetSysColor(COLOR_WINDOWTEXT));
  return true;
}

void fMain::Raise(int id) {
  if (IsDesigned(id) && DesignOf(id).event) (this->*DesignOf(id).event)();
}

void fMain::SelectListIndex(int id, int index) {
  if (Combo(id).Select(index)) Raise(id);
}

LRESULT fMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (navigation_.OnMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CREATE:
      return CreateControls() ? 0 : -1;
    case WM_SIZE:
      Form_Resize();
      return 0;
    case WM_ERASEBKGND:
      win::FillClient(hwnd_, reinterpret_cast<HDC>(wp), palette::Brush(palette::kWindowGrey));
      return 1;
    case WM_COMMAND:
      OnCommand(LOWORD(wp), HIWORD(wp));
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
  const int id = owner ? ::GetDlgCtrlID(owner) : 0;
  const Back back = IsDesigned(id) ? DesignOf(id).back : Back::Field;  // drop-downs are popups
  if (back == Back::None) return nullptr;
  const COLORREF colour = back == Back::Steel ? kSteelBlue : kFieldGrey;
  ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
  ::SetBkColor(dc, colour);
  return palette::Brush(colour);
}

void fMain::OnCommand(int id, int code) {
  if (IsDesigned(id) && DesignOf(id).notification == static_cast<UINT>(code)) Raise(id);
}

LRESULT fMain::OnNotify(const NMHDR& header) {
  if (static_cast<int>(header.idFrom) != ID_ListChars) return 0;
  switch (header.code) {
    case LVN_GETDISPINFOA:
      listChars_.OnGetDisplayInfo(
          const_cast<NMLVDISPINFOA&>(reinterpret_cast<const NMLVDISPINFOA&>(header)));
      return 0;
    case LVN_ODFINDITEMA:
      return listChars_.OnFindItem(reinterpret_cast<const NMLVFINDITEMA&>(header));
    case NM_CLICK:
    case NM_DBLCLK:  // a double-click is a click too
      if (reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0 &&
          listChars_.SelectedIndex() >= 0)
        Raise(ID_ListChars);
      return 0;
    case LVN_ITEMCHANGED: {
      // A row chosen with the keyboard counts as a click on it.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (listKeyboard_ && (change.uNewState & LVIS_SELECTED) &&
          !(change.uOldState & LVIS_SELECTED))
        Raise(ID_ListChars);
      return 0;
    }
  }
  return 0;
}

void fMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  if (IsDesigned(id) && DesignOf(id).picture)
    win::DrawPictureButton(item, pictures_[id - ID_cboFonts]);
}

LRESULT fMain::cboFonts_Hook(const Hook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETDLGCODE && lp) {
    // The dialog manager swallows Enter unless the control asks for it.
    const MSG* key = reinterpret_cast<const MSG*>(lp);
    LRESULT code = hook.CallNext(hwnd, msg, wp, lp);
    if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
  }
  if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) {  // with Alt held, Enter comes as a system key
    const int shift = (::GetKeyState(VK_SHIFT) < 0 ? 1 : 0) |
                      (::GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                      (::GetKeyState(VK_MENU) < 0 ? 4 : 0);
    cboFonts_KeyDown(static_cast<int>(wp), shift);
  }
  return Combo_Hook(hook, hwnd, msg, wp, lp);
}

// Both combo boxes: a flat frame over the control's own.
LRESULT fMain::Combo_Hook(const Hook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  if (msg == WM_PAINT) win::ComboBox(hwnd).PaintFlatFrame(palette::Brush(kFieldGrey));
  return result;
}

// Wine difference: Wine's multi-line edit scrolls its lines with ScrollWindowEx clipped to
// its formatting rectangle, which ends at the last whole line, and Wine 8 copies pixels past
// that clip without marking them for repainting: after a jump of more than a page the rows
// under the last whole line show pixels of the panel above or below the view. (A plain
// edit in a plain window does the same; Windows keeps to the clip.) Once the view has
// moved, the rows above and below its lines are drawn again.
static void RepaintOutsideLines(const fMain::Hook& hook, HWND edit) {
  RECT client, lines;
  ::GetClientRect(edit, &client);
  hook.CallNext(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&lines));
  const RECT above{client.left, client.top, client.right, lines.top};
  const RECT below{client.left, lines.bottom, client.right, client.bottom};
  for (const RECT& band : {above, below})
    if (band.bottom > band.top) ::InvalidateRect(edit, &band, TRUE);
}

LRESULT fMain::txtSymbol_Hook(const Hook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_RBUTTONUP) txtSymbol_MouseUp();  // before the edit's context menu takes over
  const LRESULT firstLine = hook.CallNext(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0);
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  if (hook.CallNext(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0) != firstLine) RepaintOutsideLines(hook, hwnd);
  if (msg == WM_LBUTTONUP || msg == WM_MBUTTONUP || msg == WM_XBUTTONUP)
    txtSymbol_MouseUp();  // the edit has ended the selection
  return result;
}

LRESULT fMain::ListChars_Hook(const Hook& hook, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_KEYDOWN) return hook.CallNext(hwnd, msg, wp, lp);
  listKeyboard_ = true;
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  listKeyboard_ = false;
  return result;
}
