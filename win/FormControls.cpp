#include "win/FormControls.h"

#include <commctrl.h>

#include "win/Accessible.h"
#include "win/Panel.h"

namespace win {

HWND CreateControl(HWND parent, const ControlDesign& d, int dpi) {
  const RECT r = d.place.At(dpi);
  return ::CreateWindowExA(d.exStyle, d.className, d.caption, WS_CHILD | WS_VISIBLE | d.style,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(d.id)),
                           ::GetModuleHandleA(nullptr), nullptr);
}

bool FormHook::Attach(HWND control, Form* form, Procedure procedure) {
  form_ = form;
  procedure_ = procedure;
  return Subclass::Attach(control);
}

LRESULT FormHook::OnMessage(HWND control, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    return procedure_(*form_, *this, control, msg, wp, lp);
  } catch (...) {
    return CallNext(control, msg, wp, lp);
  }
}

bool FormControls::Make(Form& form, HWND window, const FormDesign& design, int dpi,
                        Annotations& names) {
  design_ = &design;
  window_ = window;
  if (design.panel) {
    RegisterPanelClass();
    if (!(panel_ = CreateControl(window, *design.panel, dpi))) return false;
  }
  owners_ = std::make_unique<Owner[]>(design.controls.size());
  for (size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& row = design.controls[i];
    Owner& o = owners_[i];
    o.row = &row;
    if (!(o.control = CreateControl(Parent(), row, dpi))) return false;
    o.font.Attach(o.control, dpi);
    if (row.hook) o.hook.Attach(o.control, &form, row.hook);
    // A combo box's parts: its list, and the field that takes the focus in its place.
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    const bool combo = row.Is(WC_COMBOBOXA) && ::GetComboBoxInfo(o.control, &parts);
    o.list = combo ? parts.hwndList : nullptr;
    if (row.name) {
      names.Name(o.control, row.name);
      if (combo && parts.hwndItem && parts.hwndItem != o.control)
        names.Name(parts.hwndItem, row.name);
    }
    if (row.live) names.LiveRegion(o.control);
  }
  return true;
}

void FormControls::Clear() {
  owners_.reset();
  shared_ = Font();
  panel_ = nullptr;
}

std::span<FormControls::Owner> FormControls::All() const {
  return owners_ ? std::span<Owner>(owners_.get(), design_->controls.size()) : std::span<Owner>();
}

FormControls::Owner* FormControls::Of(int id) const {
  for (Owner& o : All())
    if (o.row->id == id) return &o;
  return nullptr;
}

// One pass over the rows, for every colour request: the child of the controls' parent that
// holds the window, or a combo box's list.
FormControls::Owner* FormControls::OfWindow(HWND window) const {
  HWND held = window;
  while (held && ::GetParent(held) != Parent()) held = ::GetParent(held);
  for (Owner& o : All())
    if ((held && o.control == held) || o.list == window) return &o;
  return nullptr;
}

}  // namespace win
