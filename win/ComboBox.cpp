#include "win/ComboBox.h"

#include "win/Controls.h"
#include "win/Handles.h"

namespace win {

void ComboBox::Add(const char* text) {
  ::SendMessageA(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}

void ComboBox::Clear() { ::SendMessageA(combo_, CB_RESETCONTENT, 0, 0); }

int ComboBox::Count() const {
  const LRESULT count = ::SendMessageA(combo_, CB_GETCOUNT, 0, 0);
  return count < 0 ? 0 : static_cast<int>(count);
}

int ComboBox::Selection() const {
  const LRESULT index = ::SendMessageA(combo_, CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

bool ComboBox::Select(int index) {
  return ::SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != CB_ERR;
}

int ComboBox::Find(const char* text) const {
  const LRESULT index = ::SendMessageA(combo_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

std::string ComboBox::Item(int index) const {
  const LRESULT length = ::SendMessageA(combo_, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT got = ::SendMessageA(combo_, CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
  text.resize(got > 0 ? static_cast<size_t>(got) : 0);
  return text;
}

std::string ComboBox::SelectedText() const {
  const int index = Selection();
  return index < 0 ? GetText(combo_) : Item(index);
}

void ComboBox::SetFieldHeight(int height) {
  int item = -1;
  for (int attempt = 0; attempt < 3; ++attempt) {
    RECT r;
    ::GetWindowRect(combo_, &r);
    const int error = height - (r.bottom - r.top);
    if (error == 0) return;
    if (item < 0)
      item = static_cast<int>(::SendMessageA(combo_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    item += error;
    if (item <= 0) return;
    ::SendMessageA(combo_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), item);
  }
}

void ComboBox::PaintFlatFrame(HBRUSH field) const {
  WindowDC dc(combo_);
  RECT r;
  ::GetClientRect(combo_, &r);
  ::FrameRect(dc.get(), &r, ::GetSysColorBrush(COLOR_WINDOWFRAME));  // the system's own brush
  ::InflateRect(&r, -1, -1);
  ::FrameRect(dc.get(), &r, field);
}

}  // namespace win
