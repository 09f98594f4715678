// The main window's creation and messages; its controls come from the design's rows, whose
// notices raise their event procedures (win/Form.h).
#include "shell/fMain.h"

#include "shell/fMainDesign.h"
#include "win/ComboBox.h"

using namespace fMainDesign;

fMain::fMain(Key key, Options options)
    : Form(key, kForm, {options.highContrast, options.density}), options_(options) {}

bool fMain::Load() {
  if (!Create(nullptr)) return false;
  Form_Load();
  return true;
}

// The button row was lined up by the window's own layout while it was still hidden, where
// moving controls costs nothing on screen; the first display's Form_Resize finds every button
// in place.
void fMain::Show() {
  ::ShowWindow(hwnd(), SW_SHOWNORMAL);
  ::UpdateWindow(hwnd());
}

void fMain::SelectListIndex(int id, int index) {
  if (win::ComboBox(Control(id)).Select(index)) Raise(id);
}

LRESULT fMain::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      win::ComboBox sizes(Control(ID_cboSize));
      for (const char* size : kSizes) sizes.Add(size);
      if (!browser_.Attach(*this, kColumnHeader)) return -1;
      buttons_.Attach(hwnd(), system());
      return 0;
    }
    case WM_SIZE:
      Form_Resize();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}
