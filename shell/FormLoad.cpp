// Start-up state of the main window, the layout of its button row, and what it lays out
// itself after the design at each density.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "browse/mEnumFonts.h"
#include "resources/Product.h"
#include "shell/fMain.h"
#include "shell/fMainDesign.h"
#include "win/ComboBox.h"
#include "win/Controls.h"
#include "win/Dpi.h"

using namespace fMainDesign;

void fMain::Form_Load() {
  ::SetWindowTextA(hwnd(), product::kTitle);
  // The panel stands centred already: the window's own layout (Arrange) placed it when made.

  win::ComboBox fonts(Control(ID_cboFonts));
  fonts.Clear();
  mEnumFonts::FillFontList(Control(ID_cboFonts), options_.enumerate);

  SelectListIndex(ID_cboFonts, 0);  // an empty list selects nothing and leaves no font chosen
  SelectListIndex(ID_cboSize, win::ComboBox(Control(ID_cboSize)).Find(kDefaultSize));
  if (win::ControlFont* preview = Font(ID_lblPreview)) preview->SetPoints(kPreviewPoints);

  ::SetWindowTextA(Control(ID_lblnumfonts),
                   (std::to_string(fonts.Count()) + " Fonts Installed on System.").c_str());

  browser_.FillSymbolView();
  browser_.FillSymbolList();
  ::SetWindowTextA(Control(ID_cmdVisit), (std::string("Visit ") + product::kMakerName).c_str());
}

// The panel centred in the client area; a panel larger than the client area gets a negative
// position.
void fMain::CentrePanel() {
  RECT client;
  ::GetClientRect(hwnd(), &client);
  const HWND panel = Control(ID_picInterface);
  POINT at = win::CentreIn(win::SizeOf(client), win::SizeOf(win::RectInParent(panel)));
  ::SetWindowPos(panel, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// When the window is made, and at each new density as it would have been had it started there.
void fMain::Arrange() {
  CentrePanel();
  ListView_SetColumnWidth(Control(ID_ListChars), 0, win::TwipsToPixels(kColumnTwips, dpi()));
  Form_Resize();
}

// The row of About, Help and web buttons under the Symbol View, aligned with its edges.
void fMain::Form_Resize() {
  if (!Control(ID_cmdHelp)) return;  // sizes reported while the window is still being made
  auto bounds = [this](int id) { return win::RectInParent(Control(id)); };
  auto move = [this](int id, float left, float top, float width, float height) {
    ::SetWindowPos(Control(id), nullptr, win::RoundPixel(left), win::RoundPixel(top),
                   win::RoundPixel(width), win::RoundPixel(height), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  auto scaled = [this](int pixels96) {
    return static_cast<float>(win::ScalePixels(pixels96, dpi()));
  };
  const float gap = scaled(kRowGap);

  RECT view = bounds(ID_txtSymbol);
  const float L = static_cast<float>(view.left), T = static_cast<float>(view.top);
  const float W = static_cast<float>(view.right - view.left),
              H = static_cast<float>(view.bottom - view.top);
  const float top = T + H + gap;

  RECT help = bounds(ID_cmdHelp);
  const float h = static_cast<float>(help.right - help.left);
  RECT about = bounds(ID_cmdAbout);
  move(ID_cmdAbout, L, top, W / 2 - h / 2 - scaled(kAboutCorrection),
       static_cast<float>(about.bottom - about.top));

  about = bounds(ID_cmdAbout);
  move(ID_cmdHelp, static_cast<float>(about.right) + gap, top, scaled(kHelpButton.cx),
       scaled(kHelpButton.cy));

  help = bounds(ID_cmdHelp);
  const float helpNow = static_cast<float>(help.right - help.left);
  RECT visit = bounds(ID_cmdVisit);
  move(ID_cmdVisit, static_cast<float>(help.right) + gap, top,
       W / 2 - helpNow / 2 - scaled(kVisitCorrection),
       static_cast<float>(visit.bottom - visit.top));
}
