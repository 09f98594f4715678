// A combo box behind the operations the program needs of it.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class ComboBox {
 public:
  explicit ComboBox(HWND combo = nullptr) : combo_(combo) {}

  void Add(const char* text);  // sorted boxes put it in its place
  void Clear();
  int Count() const;
  int Selection() const;             // -1 when no entry is selected
  bool Select(int index);            // false when there is no such entry
  int Find(const char* text) const;  // the entry of exactly that text, -1 for none
  std::string Item(int index) const;
  // The text of the selected entry; with none, what the box's field shows.
  std::string SelectedText() const;

  // The height of the selection field, which follows the item height that the control is
  // given; how the two relate differs between platforms, so it is measured.
  void SetFieldHeight(int height);
  // Combo boxes draw a sunken edge of their own; this draws a flat single line over it,
  // with a line of the field's brush inside it, after the control has painted.
  void PaintFlatFrame(HBRUSH field) const;

 private:
  HWND combo_;  // not owned
};

}  // namespace win
