// The main window's controls created from their design rows, and the dispatch of their
// events: a control's row says which event procedure it raises, so that a user's action
// and a choice from code take the same path.
#include "shell/fMain.h"

#include <commctrl.h>

#include "resources/Palette.h"
#include "resources/resource.h"
#include "shell/fMainDesign.h"
#include "win/ComboBox.h"
#include "win/Panel.h"

using namespace fMainDesign;
using palette::Paint;
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
  palette::Follow(options_.highContrast);
  static const bool registered =
      win::RegisterWindowClass(kMainClass, &fMain::WindowProc, IDI_VARNELO);
  if (!registered) return false;

  dpi_ = win::ScreenDpi();
  SIZE size = win::WindowSizeForClient(kMainStyle, 0, win::TwipsToPixels(kClientTwips.cx, dpi_),
                                       win::TwipsToPixels(kClientTwips.cy, dpi_));
  if (!Create(0, kMainClass, "", kMainStyle, CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy,
              nullptr))
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
      win::TwipsToPixels(kPanelTwips.bottom, dpi_), WS_BORDER,
      [] { return palette::Brush(Paint::Panel); });
  if (!picInterface_) return false;
  navigation_.Attach(hwnd_, picInterface_);

  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  for (const Design& row : kDesign) {
    Slot& slot = SlotOf(row.control.id);
    HWND control = win::CreateControl(picInterface_, row.control, dpi_);
    if (!control) return false;
    slot.font.Attach(control, dpi_);
    slot.font.Apply(row.control.font ? *row.control.font : kDefaultFont);
    if (row.control.autoSize) {
      SIZE text = win::MeasureCaption(control, row.control.caption, slot.font.get());
      ::SetWindowPos(control, nullptr, 0, 0, text.cx, text.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    // A control that takes the focus answers assistive technology with its name.
    if (row.hook || (row.control.style & WS_TABSTOP)) {
      slot.hook.Attach(control, &browser_, row.hook, row.control.name);
      COMBOBOXINFO combo{};
      combo.cbSize = sizeof combo;
      if (::lstrcmpiA(row.control.className, WC_COMBOBOXA) == 0 &&
          ::GetComboBoxInfo(control, &combo) && combo.hwndItem != control)
        slot.field.Attach(combo.hwndItem, row.control.name);
    }
    if (row.picture) {
      const COLORREF silver = RGB(192, 192, 192);
      slot.picture = win::Picture(instance, row.picture, dpi_, row.masked ? &silver : nullptr);
    }
  }

  win::ComboBox sizes(Control(ID_cboSize));
  for (const char* size : kSizes) sizes.Add(size);
  for (int id : {ID_cboFonts, ID_cboSize})
    win::ComboBox(Control(id)).SetFieldHeight(win::TwipsToPixels(RowOf(id)->control.height, dpi_));

  browser_.Attach(
      {hwnd_, Control(ID_cboFonts), Control(ID_cboSize), Control(ID_txtSymbol),
       Control(ID_lblPreview), Control(ID_lblKeycode), Control(ID_ListChars), Control(ID_chkBold),
       Control(ID_chkItalic), Control(ID_chkUnderline), Control(ID_chkStrikeOut),
       &SlotOf(ID_txtSymbol).font, &SlotOf(ID_lblPreview).font},
      {kColumnHeader, win::TwipsToPixels(kColumnTwips, dpi_)}, dpi_);
  buttons_.Attach(hwnd_);
  return true;
}

void fMain::Raise(const Design& row) {
  if (row.event) row.event(*this);
}

void fMain::SelectListIndex(int id, int index) {
  if (win::ComboBox(Control(id)).Select(index)) Raise(*RowOf(id));
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
      win::FillClient(hwnd_, reinterpret_cast<HDC>(wp), palette::Brush(Paint::Backdrop));
      return 1;
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off, or other system colours: everything painted again.
      palette::Repaint(hwnd_);
      browser_.ColoursChanged();  // before the painting, which comes later
      return 0;
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
      browser_.Unload();  // the controls still exist
      ::PostQuitMessage(0);
      return 0;
  }
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

HBRUSH fMain::OnCtlColor(HDC dc, HWND control) {
  // A combo box's edit field and drop-down list report themselves, not the combo box.
  HWND owner = control;
  while (owner && ::GetParent(owner) != picInterface_) owner = ::GetParent(owner);
  const Design* row = owner ? RowOf(::GetDlgCtrlID(owner)) : nullptr;
  const Back back = row ? row->back : Back::Field;  // drop-downs are popups
  if (back == Back::None) return nullptr;
  return back == Back::Steel ? palette::ColourControl(dc, Paint::Panel, Paint::PanelText)
                             : palette::ColourControl(dc, Paint::Field, Paint::FieldText);
}

void fMain::OnCommand(int id, int code) {
  const Design* row = RowOf(id);
  if (row && row->notification == static_cast<UINT>(code)) Raise(*row);
}

LRESULT fMain::OnNotify(const NMHDR& header) {
  const Design* row = RowOf(static_cast<int>(header.idFrom));
  if (!row) return 0;
  LRESULT answer = 0;
  const UINT notice = row->notices ? (browser_.*row->notices)(header, answer) : header.code;
  if (notice != 0 && notice == row->notification) Raise(*row);
  return answer;
}

void fMain::OnDrawItem(const DRAWITEMSTRUCT& item) {
  const int id = static_cast<int>(item.CtlID);
  const Design* row = RowOf(id);
  if (row && row->picture) win::DrawPictureButton(item, SlotOf(id).picture);
}
