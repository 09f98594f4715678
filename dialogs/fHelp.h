// The quick-help window: a heading over two paragraphs of help, modeless, owned by the main
// window. Closing it destroys the window; the next Show loads it afresh.
#pragma once

#include <windows.h>

#include <memory>

#include "win/Font.h"
#include "win/Handles.h"
#include "win/Window.h"

class fHelp : public win::Window<fHelp> {
 public:
  enum Id : int { ID_lblHelpHeader = 201, ID_lblHelp };

  fHelp();
  ~fHelp();
  // Loads the window if it is not loaded, then shows it in front.
  void Show(HWND owner);
  bool IsLoaded() const { return hwnd_ != nullptr; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  bool Load(HWND owner);
  void Form_Load();

  // The labels' fonts live as long as the window that shows them, and go with it.
  struct LabelFonts {
    win::ControlFont header, help;
  };

  int dpi_ = 96;
  std::unique_ptr<LabelFonts> fonts_;
};
