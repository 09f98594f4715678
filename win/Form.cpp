#include "win/Form.h"

#include "win/PictureButton.h"

namespace win {
namespace {

constexpr UINT kDpiChanged = 0x02E0;  // WM_DPICHANGED, newer than the program's headers

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

}  // namespace

Form::Form(Key, const FormDesign& design, SystemQueries system)
    : design_(design), system_(system), scheme_(system.highContrast) {}

void Form::Destroy() {
  if (hwnd_) ::DestroyWindow(hwnd_);
}

HWND Form::Control(int id) const {
  if (design_.panel && id == design_.panel->id) return controls_.Panel();
  const FormControls::Owner* o = controls_.Of(id);
  return o ? o->control : nullptr;
}

ControlFont* Form::Font(int id) const {
  FormControls::Owner* o = controls_.Of(id);
  return o ? &o->font : nullptr;
}

void Form::Raise(int id) {
  const FormControls::Owner* o = controls_.Of(id);
  if (o && o->row->event) o->row->event(*this);
}

POINT Form::Place(SIZE, HWND, int) const { return POINT{CW_USEDEFAULT, CW_USEDEFAULT}; }

bool Form::Create(HWND owner) {
  if (!RegisterFormClass(design_.className, &Form::WindowProc, design_.icon)) return false;
  dpi_ = system_.density(owner);  // the density it will most likely have
  const SIZE size = FrameSize();
  const POINT at = Place(size, owner, dpi_);
  if (::CreateWindowExA(design_.exStyle, design_.className, design_.title, design_.style, at.x,
                        at.y, size.cx, size.cy, owner, nullptr, ::GetModuleHandleA(nullptr), this))
    return true;
  hwnd_ = nullptr;
  return false;
}

bool Form::MakeControls() {
  // Windows put the window on a monitor of another density than the one it was sized for.
  if (const int dpi = Density(); dpi != dpi_) {
    dpi_ = dpi;
    FitClient();
  }
  if (design_.role) annotations_.Role(hwnd_, design_.role);
  if (!controls_.Make(*this, hwnd_, design_, dpi_, annotations_)) return false;
  for (FormControls::Owner& o : controls_.All())
    if (design_.defaultButton && !o.row->hook && IsPushButton(o.control))
      o.hook.Attach(o.control, this, &Form::OutlineFollowsFocus);
  navigation_.Attach(hwnd_, controls_.Parent(), design_.defaultButton);
  LayOutMade();
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

LRESULT Form::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

// Each event finds its control's row once.
LRESULT Form::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (controls_.Made() && navigation_.OnMessage(msg, wp, lp, result)) return result;
  if (OnColours(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CREATE:
      // The design's controls, then the window's own creation, then its own layout.
      if (!MakeControls() || HandleMessage(msg, wp, lp) == -1) return -1;
      Arrange();
      return 0;
    case WM_COMMAND:
      if (const FormControls::Owner* o = controls_.Of(LOWORD(wp)); o && o->row->event) {
        if (o->row->notice == HIWORD(wp)) o->row->event(*this);
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const NMHDR& header = *reinterpret_cast<const NMHDR*>(lp);
      const FormControls::Owner* o = controls_.Of(static_cast<int>(header.idFrom));
      if (!o) break;
      const ControlDesign& row = *o->row;
      LRESULT answer = 0;
      const UINT notice = row.notices ? row.notices(*this, header, answer) : header.code;
      if (notice != 0 && notice == row.notice && row.event) row.event(*this);
      return answer;
    }
    case WM_DRAWITEM: {
      const DRAWITEMSTRUCT& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
      const FormControls::Owner* o = controls_.Of(static_cast<int>(item.CtlID));
      if (!o || !o->picture) break;
      DrawPictureButton(item, o->picture);
      return TRUE;
    }
    case kDpiChanged:
      // The density the message gives is the window's from now on.
      OnDpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_SIZE:
      OnSize(wp);
      break;
    case WM_DESTROY:
      annotations_.Clear();  // the controls still exist
      break;
    case WM_NCDESTROY:
      result = HandleMessage(msg, wp, lp);
      // The controls and the title bar that showed the owned objects are gone.
      controls_.Clear();
      bigIcon_.reset();
      smallIcon_.reset();
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
