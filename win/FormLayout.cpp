// The layout at a density: each control where the design puts it, in its font, with its
// picture, fitted to its content; the window around the design's client area; and the change
// of density, whether Windows tells it or the window finds it when restored.
#include <windows.h>

#include <commctrl.h>

#include <utility>
#include <vector>

#include "win/ComboBox.h"
#include "win/Controls.h"
#include "win/Form.h"

namespace win {
namespace {

void Move(HWND window, const RECT& r) {
  const RECT now = RectInParent(window);
  if (!::EqualRect(&now, &r))
    ::SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
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

void FormControls::Place(int dpi) {
  if (panel_) Move(panel_, design_->panel->place.At(dpi));
  for (Owner& o : All()) Move(o.control, o.row->place.At(dpi));
}

// A font of the row's own, or the window's shared one, made for the density; the shared one
// shown before goes only once no control shows it.
void FormControls::Fonts(int dpi) {
  Font shared = design_->font ? Font(*design_->font, dpi) : Font();
  for (Owner& o : All()) {
    o.font.SetDpi(dpi);
    if (!o.font.get() && o.row->font)
      o.font.Apply(*o.row->font);
    else if ((!o.font.get() || o.font.Shared()) && design_->font)
      o.font.Share(*design_->font, shared.get());
  }
  shared_ = std::move(shared);
}

void FormControls::Pictures(int dpi) {
  const HINSTANCE instance = ::GetModuleHandleA(nullptr);
  for (Owner& o : All()) {
    const ControlDesign& row = *o.row;
    if (row.picture && !row.icon) {
      const COLORREF silver = RGB(192, 192, 192);
      o.picture = Picture(instance, row.picture, dpi, row.masked ? &silver : nullptr);
    } else if (row.picture) {
      const int side = ScalePixels(32, dpi);
      UniqueIcon icon(static_cast<HICON>(
          ::LoadImageA(instance, MAKEINTRESOURCEA(row.picture), IMAGE_ICON, side, side, 0)));
      ::SendMessageA(o.control, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
      o.icon = std::move(icon);  // the one shown before goes only now
    }
  }
}

// A caption to its text, an icon to its picture inside the control's own frame; a combo box's
// field to the design's height, which the control derives from its font.
void FormControls::FitContent(int dpi) {
  for (Owner& o : All()) {
    const RECT r = o.row->place.At(dpi);
    if (o.row->autoSize) {
      SIZE fit;
      if (o.row->icon) {
        RECT outer, inner;
        ::GetWindowRect(o.control, &outer);
        ::GetClientRect(o.control, &inner);
        const int side = ScalePixels(32, dpi);
        fit = {side + (outer.right - outer.left) - inner.right,
               side + (outer.bottom - outer.top) - inner.bottom};
      } else {
        fit = MeasureCaption(o.control, GetText(o.control), o.font.get());
      }
      Move(o.control, {r.left, r.top, r.left + fit.cx, r.top + fit.cy});
    }
    if (o.row->Is(WC_COMBOBOXA)) ComboBox(o.control).SetFieldHeight(r.bottom - r.top);
  }
}

// The window's outer size around the design's client area at its density.
SIZE Form::FrameSize() const {
  const RECT frame = FrameAround(
      {0, 0, TwipsToPixels(design_.client.cx, dpi_), TwipsToPixels(design_.client.cy, dpi_)},
      design_.style, design_.exStyle, dpi_);
  return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

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

// The controls stand where the design puts them at the window's density (as they were made):
// their fonts, pictures and sizes, and the window's icons.
void Form::LayOutMade() {
  controls_.Fonts(dpi_);
  controls_.Pictures(dpi_);
  controls_.FitContent(dpi_);
  // The class's icons are those of the system's density; another density has its own.
  if (bigIcon_ || dpi_ != WindowDpi(nullptr)) SetIcons();
}

void Form::Relayout() {
  controls_.Place(dpi_);
  LayOutMade();
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
  if (controls_.Made()) {
    if (!::IsIconic(hwnd_)) Rescale(dpi, &suggested);
    return;
  }
  dpi_ = dpi;
  ::SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Restored onto a monitor of another density, of which Windows may have told nothing, or told
// while the window was minimised; and the focus back where it was.
void Form::OnSize(WPARAM kind) {
  if (kind == SIZE_MINIMIZED) {
    minimised_ = true;
  } else if (std::exchange(minimised_, false) && controls_.Made()) {
    if (Density() != dpi_) Rescale(Density(), nullptr);
    navigation_.Restored();
  }
}

// The window at a new density, at the rectangle Windows suggests or else where it stands,
// with everything the user made of it kept, the scroll positions as far as the new layout
// allows.
void Form::Rescale(int dpi, const RECT* suggested) {
  std::vector<Scrolled> scrolled;
  for (const FormControls::Owner& o : controls_.All()) {
    const bool list = o.row->Is(WC_LISTVIEWA);
    if (list || o.row->Is(WC_EDITA)) scrolled.push_back(ScrolledOf(o.control, list));
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

}  // namespace win
