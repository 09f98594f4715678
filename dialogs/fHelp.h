// The quick-help window: a heading over two paragraphs of help, modeless, owned by the main
// window. Closing it destroys the window; the next Show loads it afresh.
#pragma once

#include <windows.h>

#include "win/Form.h"

class fHelp : public win::Form {
 public:
  enum Id : int { ID_lblHelpHeader = 201, ID_lblHelp };

  fHelp(Key key, const win::SystemQueries& system);
  // Loads the window if it is not loaded, then shows it in front.
  void Show(HWND owner);
  bool IsLoaded() const { return hwnd() != nullptr; }

 private:
  POINT Place(SIZE size, HWND owner, int dpi) const override;
  void Arrange() override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Form_Load();
};
