#include "win/Form.h"

#include <utility>
#include <vector>

#include "win/ComboBox.h"
#include "win/Controls.h"
#include "win/Dpi.h"
#include "win/Panel.h"
#include "win/PictureButton.h"

namespace win {
namespace {

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the program's headers

// A hook whose messages go to the procedure a design row names; an exception of the
// procedure's ends there, and the control handles the message as if there were no hook.
class FormHook : public Subclass {
 public:
  using Procedure = decltype(ControlDesign::hook);
  bool Attach(HWND control, Form* form, Procedure procedure) {
    form_ = form;
    procedure_ = procedure;
    return Subclass::Attach(control);
  }

 private:
  LRESULT OnMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp) override {
    try {
      return procedure_(*form_, *this, control, msg, wp, lp);
    } catch (...) {
      return CallNext(control, msg, wp, lp);
    }
  }

  Form* form_ = nullptr;  // not owned
  Procedure procedure_ = nullptr;
};

bool IsClass(const ControlDesign& row, const char* name) {
  return ::lstrcmpiA(row.className, name) == 0;
}

// The windows a combo box is made of: its field (none in a drop-down list) and its list.
COMBOBOXINFO PartsOf(HWND combo) {
  COMBOBOXINFO parts{};
  parts.cbSize = sizeof parts;
  return ::GetComboBoxInfo(combo, &parts) ? parts : COMBOBOXINFO{};
}

// The row's rectangle at a density: left, top, right, bottom.
RECT PixelsOf(const Twips& place, int dpi) {
  const int left = TwipsToPixels(place.left, dpi), top = TwipsToPixels(place.top, dpi);
  return RECT{left, top, left + TwipsToPixels(place.width, dpi),
              top + TwipsToPixels(place.height, dpi)};
}

void Move(HWND window, const RECT& r) {
  const RECT now = RectInParent(window);
  if (!::EqualRect(&now, &r))
    ::SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

// Once a run: a window made again (the About dialog, the help window) finds its class there,
// and the small icon made for the class is the class's own.
bool RegisterFormClass(const char* name, WNDPROC procedure, int icon) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  if (WNDCLASSEXA existing = wc; ::GetClassInfoExA(wc.hInstance, name, &existing)) return true;
  wc.lpfnWndProc = procedure;
  wc.hIcon = ::LoadIconA(wc.hInstance, MAKEINTRESOURCEA(icon));
  wc.hIconSm = static_cast<HICON>(::LoadImageA(wc.hInstance, MAKEINTRESOURCEA(icon), IMAGE_ICON,
                                               ::GetSystemMetrics(SM_CXSMICON),
                                               ::GetSystemMetrics(SM_CYSMICON), 0));
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return ::RegisterClassExA(&wc) != 0;
}

// Where the user has scrolled a control to: the first line of a multi-line edit, the first
// row of a list view; kept over a new layout as far as it allows.
struct Scrolled {
  HWND control;
  bool list;
  LRESULT first;
};

Scrolled ScrolledOf(HWND control, bool list) {
  return {
      control, list,
      list ? ListView_GetTopIndex(control) : ::SendMessageA(control, EM_GETFIRSTVISIBLELINE, 0, 0)};
}

void ScrollBack(const Scrolled& s) {
  if (s.list) {
    const int count = ListView_GetItemCount(s.control);
    if (count <= 0) return;
    // Scrolled to the end first, so that the row comes to the top where it can.
    ListView_EnsureVisible(s.control, count - 1, FALSE);
    ListView_EnsureVisible(s.control, static_cast<int>(s.first), FALSE);
  } else {
    const LRESULT now = ::SendMessageA(s.control, EM_GETFIRSTVISIBLELINE, 0, 0);
    ::SendMessageA(s.control, EM_LINESCROLL, 0, s.first - now);
  }
}

}  // namespace

struct Form::Owners {
  HWND control = nullptr;
  ControlFont font;
  FormHook hook;    // where the row names one
  Picture picture;  // above an owner-drawn button's caption
  UniqueIcon icon;  // shown by a static control
};

HWND CreateControl(HWND parent, const ControlDesign& d, int dpi) {
  const RECT r = PixelsOf(d.place, dpi);
  return ::CreateWindowExA(d.exStyle, d.className, d.caption, WS_CHILD | WS_VISIBLE | d.style,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

Form::Form(const FormDesign& design, Scheme& scheme) : design_(design), scheme_(&scheme) {}

Form::~Form() { Destroy(); }

void Form::Destroy() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

HWND Form::Control(int id) const {
  if (design_.panel && id == design_.panel->id) return panel_;
  const ControlDesign* row = RowOf(id);
  return row && owners_ ? owners_[row - design_.controls.data()].control : nullptr;
}

ControlFont& Form::Font(int id) { return owners_[RowOf(id) - design_.controls.data()].font; }

void Form::Raise(int id) {
  const ControlDesign* row = RowOf(id);
  if (row && row->event) row->event(*this);
}

const ControlDesign* Form::RowOf(int id) const {
  for (const ControlDesign& row : design_.controls)
    if (row.id == id) return &row;
  return nullptr;
}

const ControlDesign* Form::RowOfWindow(HWND window) const {
  if (panel_ && window == panel_) return design_.panel;
  const HWND parent = panel_ ? panel_ : hwnd_;
  for (HWND w = window; w; w = ::GetParent(w))
    if (::GetParent(w) == parent) return RowOf(::GetDlgCtrlID(w));
  // A combo box's drop-down list is a window of its own.
  for (size_t i = 0; owners_ && i < design_.controls.size(); ++i)
    if (IsClass(design_.controls[i], WC_COMBOBOXA) &&
        PartsOf(owners_[i].control).hwndList == window)
      return &design_.controls[i];
  return nullptr;
}

// The window's outer size around the design's client area at its density.
SIZE Form::FrameSize() const {
  const RECT frame = FrameAround(
      {0, 0, TwipsToPixels(design_.client.cx, dpi_), TwipsToPixels(design_.client.cy, dpi_)},
      design_.style, design_.exStyle, dpi_);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

POINT Form::Place(SIZE, HWND, int) const { return POINT{CW_USEDEFAULT, CW_USEDEFAULT}; }

bool Form::Create(HWND owner) {
  if (!RegisterFormClass(design_.className, &Form::WindowProc, design_.icon)) return false;
  dpi_ = WindowDpi(owner);  // the density it will most likely have
  const SIZE size = FrameSize();
  const POINT at = Place(size, owner, dpi_);
  if (::CreateWindowExA(design_.exStyle, design_.className, design_.title, design_.style, at.x,
                        at.y, size.cx, size.cy, owner, nullptr, ::GetModuleHandleA(nullptr), this))
    return true;
  hwnd_ = nullptr;
  return false;
}

int Form::Density() const { return WindowDpi(hwnd_); }

// Around the frame it has now, which Windows has drawn at the window's density.
void Form::FitClient() {
  RECT outer, inner;
  ::GetWindowRect(hwnd_, &outer);
  ::GetClientRect(hwnd_, &inner);
  ::SetWindowPos(hwnd_, nullptr, 0, 0,
                 TwipsToPixels(design_.client.cx, dpi_) + (outer.right - outer.left) - inner.right,
                 TwipsToPixels(design_.client.cy, dpi_) + (outer.bottom - outer.top) - inner.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::CreateControls() {
  // Windows put the window on a monitor of another density than the one it was sized for.
  if (const int dpi = Density(); dpi != dpi_) {
    dpi_ = dpi;
    FitClient();
  }
  if (design_.role) annotations_.Role(hwnd_, design_.role);
  if (design_.panel) {
    RegisterPanelClass();
    if (!(panel_ = CreateControl(hwnd_, *design_.panel, dpi_))) return false;
  }
  const HWND parent = panel_ ? panel_ : hwnd_;
  owners_ = std::make_unique<Owners[]>(design_.controls.size());
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    const ControlDesign& row = design_.controls[i];
    Owners& o = owners_[i];
    if (!(o.control = CreateControl(parent, row, dpi_))) return false;
    o.font.Attach(o.control, dpi_);
    if (row.hook)
      o.hook.Attach(o.control, this, row.hook);
    else if (design_.defaultButton && IsPushButton(o.control))
      o.hook.Attach(o.control, this, &Form::OutlineFollowsFocus);
    if (row.name) {
      annotations_.Name(o.control, row.name);
      // A combo box's edit field takes the focus in its place.
      if (const HWND field = IsClass(row, WC_COMBOBOXA) ? PartsOf(o.control).hwndItem : nullptr;
          field && field != o.control)
        annotations_.Name(field, row.name);
    }
    if (row.live) annotations_.LiveRegion(o.control);
  }
  navigation_.Attach(hwnd_, parent, design_.defaultButton);
  LayOut(true);
  return true;
}

// The dialog manager's default outline, on the push button that Enter presses.
LRESULT Form::OutlineFollowsFocus(Form& form, const Subclass& hook, HWND button, UINT msg,
                                  WPARAM wp, LPARAM lp) {
  if (msg == BM_SETSTYLE) wp = form.navigation_.Outlined(button, wp);
  const LRESULT result = hook.CallNext(button, msg, wp, lp);
  if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS)
    form.navigation_.FocusMoved(msg == WM_SETFOCUS ? button : reinterpret_cast<HWND>(wp));
  return result;
}

// Each control where the design puts it at the window's density (where it was not made there
// just now), in its font and with its picture made for that density.
void Form::LayOut(bool placed) {
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  win::Font shared = design_.font ? win::Font(*design_.font, dpi_) : win::Font();
  if (panel_ && !placed) Move(panel_, PixelsOf(design_.panel->place, dpi_));
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    const ControlDesign& row = design_.controls[i];
    Owners& o = owners_[i];
    // In the order of its making: its place first, then its font.
    RECT r = PixelsOf(row.place, dpi_);
    if (!placed) Move(o.control, r);
    o.font.SetDpi(dpi_);
    if (!o.font.get() && row.font)
      o.font.Apply(*row.font);
    else if ((!o.font.get() || o.font.Shared()) && design_.font)
      o.font.Share(*design_.font, shared.get());
    if (row.picture && !row.icon) {
      const COLORREF silver = RGB(192, 192, 192);
      o.picture = Picture(instance, row.picture, dpi_, row.masked ? &silver : nullptr);
    } else if (row.picture) {
      const int side = ScalePixels(32, dpi_);
      UniqueIcon icon(static_cast<HICON>(
          ::LoadImageA(instance, MAKEINTRESOURCEA(row.picture), IMAGE_ICON, side, side, 0)));
      ::SendMessageA(o.control, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
      o.icon = std::move(icon);  // the one shown before goes only now
    }
    if (row.autoSize) {
      SIZE fit{0, 0};
      if (row.icon) {
        // The icon inside the control's own frame.
        RECT outer, inner;
        ::GetWindowRect(o.control, &outer);
        ::GetClientRect(o.control, &inner);
        const int side = ScalePixels(32, dpi_);
        fit = {side + (outer.right - outer.left) - inner.right,
               side + (outer.bottom - outer.top) - inner.bottom};
      } else {
        fit = MeasureCaption(o.control, GetText(o.control), o.font.get());
      }
      Move(o.control, {r.left, r.top, r.left + fit.cx, r.top + fit.cy});
    }
    if (IsClass(row, WC_COMBOBOXA)) ComboBox(o.control).SetFieldHeight(r.bottom - r.top);
  }
  sharedFont_ = std::move(shared);  // the one shown before goes only now
  // The class's icons are those of the system's density; another density has its own.
  if (bigIcon_ || dpi_ != WindowDpi(nullptr)) SetIcons();
}

void Form::Relayout() {
  LayOut(false);
  Arrange();
}

// The title bar's and the task switcher's icons, at the sizes of the density.
void Form::SetIcons() {
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  auto load = [&](int cx, int cy) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageA(instance, MAKEINTRESOURCEA(design_.icon), IMAGE_ICON,
                                        SystemMetric(cx, dpi_), SystemMetric(cy, dpi_), 0)));
  };
  UniqueIcon big = load(SM_CXICON, SM_CYICON), small = load(SM_CXSMICON, SM_CYSMICON);
  ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
  bigIcon_ = std::move(big);  // the ones shown before go only now
  smallIcon_ = std::move(small);
}

// Windows tells the new density and the rectangle it suggests. While the window is being made
// its controls are made at that density; a minimised window is laid out when it is restored.
void Form::OnDpiChanged(int dpi, const RECT& suggested) {
  if (owners_) {
    if (!::IsIconic(hwnd_)) Rescale(dpi, &suggested);
    return;
  }
  dpi_ = dpi;
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window at a new density, at the rectangle Windows suggests or else where it stands,
// with everything the user made of it kept, the scroll positions as far as the new layout
// allows.
void Form::Rescale(int dpi, const RECT* suggested) {
  std::vector<Scrolled> scrolled;
  for (size_t i = 0; i < design_.controls.size(); ++i) {
    const bool list = IsClass(design_.controls[i], WC_LISTVIEWA);
    if (list || IsClass(design_.controls[i], WC_EDITA))
      scrolled.push_back(ScrolledOf(owners_[i].control, list));
  }
  dpi_ = dpi;
  if (suggested)
    ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  else
    FitClient();
  Relayout();
  for (const Scrolled& s : scrolled) ScrollBack(s);
  // A control that shrank keeps what it drew at its old size where nothing invalidated it.
  ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

HBRUSH Form::OnCtlColor(HDC dc, HWND control) {
  const ControlDesign* row = RowOfWindow(control);
  return row && row->colours.back ? scheme_->ColourControl(dc, row->colours) : nullptr;
}

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (owners_ && navigation_.OnMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CREATE:
      // The design's controls, then the window's own creation, then its own layout.
      if (!CreateControls() || HandleMessage(msg, wp, lp) == -1) return -1;
      Arrange();
      return 0;
    case WM_ERASEBKGND:
      if (!design_.backdrop) break;
      FillClient(hwnd_, reinterpret_cast<HDC>(wp), scheme_->Brush(*design_.backdrop));
      return 1;
    case WM_SETTINGCHANGE:
      if (wp != SPI_SETHIGHCONTRAST) break;  // a taskbar moved, a locale changed...
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off, or other system colours: everything painted again.
      scheme_->Refresh();
      ColoursChanged();
      ::RedrawWindow(hwnd_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      return 0;
    case WM_COMMAND:
      if (const ControlDesign* row = RowOf(LOWORD(wp)); row && row->event) {
        if (row->notice == HIWORD(wp)) row->event(*this);
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lp);
      const ControlDesign* row = RowOf(static_cast<int>(header.idFrom));
      if (!row) break;
      LRESULT answer = 0;
      const UINT notice = row->notices ? row->notices(*this, header, answer) : header.code;
      if (notice != 0 && notice == row->notice && row->event) row->event(*this);
      return answer;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush = OnCtlColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      const ControlDesign* row = RowOf(static_cast<int>(item.CtlID));
      if (!row || !row->picture || row->icon) break;
      DrawPictureButton(item, owners_[row - design_.controls.data()].picture);
      return TRUE;
    }
    case kDpiChanged:
      // The density the message gives is the window's from now on.
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_SIZE:
      // Restored onto a monitor of another density, of which Windows may have told nothing,
      // or told while the window was minimised.
      if (wp == SIZE_MINIMIZED)
        minimised_ = true;
      else if (std::exchange(minimised_, false) && owners_ && Density() != dpi_)
        Rescale(Density(), nullptr);
      break;
    case WM_DESTROY:
      annotations_.Clear();  // the controls still exist
      break;
    case WM_NCDESTROY:
      result = HandleMessage(msg, wp, lp);
      // The controls and the title bar that showed the owned objects are gone.
      owners_.reset();
      sharedFont_ = win::Font();
      bigIcon_.reset();
      smallIcon_.reset();
      panel_ = nullptr;
      return result;
  }
  return HandleMessage(msg, wp, lp);
}

LRESULT CALLBACK Form::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Form* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->hwnd_ = hwnd;
  } else {
    self = reinterpret_cast<Form*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (!self) return ::DefWindowProcA(hwnd, msg, wp, lp);
  LRESULT result = 0;
  try {
    result = self->Dispatch(msg, wp, lp);
  } catch (...) {
    result = msg == WM_NCCREATE ? FALSE
             : msg == WM_CREATE ? -1
                                : ::DefWindowProcA(hwnd, msg, wp, lp);
  }
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace win
