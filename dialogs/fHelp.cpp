#include "dialogs/fHelp.h"

#include <string>

#include "resources/Palette.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "win/Controls.h"

namespace {

const char kHelpClass[] = "VarneloHelp";
const DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kExStyle = WS_EX_DLGMODALFRAME;
const SIZE kClientTwips{4695, 4080};

const win::FontSpec kHeaderFont{"Arial", 9.75f, true, false, true};
const win::FontSpec kHelpFont{"Arial", 8.25f, true};

// The heading is drawn over the top of the help panel, where the text leaves two empty
// lines for it; it comes first so that it lies in front.
// clang-format off
const win::ControlDesc kHeader{fHelp::ID_lblHelpHeader, "STATIC", "", nullptr,
                               SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS, 0, 135, 165, 4410, 240, &kHeaderFont, true};
const win::ControlDesc kHelp{fHelp::ID_lblHelp, "STATIC", "", nullptr,
                             SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS, 0, 90, 105, 4500, 3855, &kHelpFont, false};
// clang-format on

const char kHelpText[] =
    "\r"
    "\r"
    " This handy Font Utility allows you to view and utilize"
    " all of the characters and symbols available from within"
    " all of the fonts currently installed on your computer."
    "\r"
    "\r"
    " Select the desired font from the \"Font\" dropdown box."
    " You may scroll through the characters within the selected"
    " font either in the \"Symbol List\" or \"Symbol View\" boxes."
    " Clicking on a font symbol within the list will display"
    " the corresponding ASCII keycode for that symbol."
    " Font symbols may also be selected in the \"Symbol View\""
    " box by using standard text-selection methods. Either"
    " Selection may be copied to the Windows clipboard by"
    " pressing the \"Copy To Clipboard\" button."
    " Font size may be adjusted for comfortable viewing by"
    " using the \"Size\" dropdown.";

}  // namespace

fHelp::fHelp() = default;
fHelp::~fHelp() { Destroy(); }

void fHelp::Show(HWND owner) {
  if (!hwnd_ && !Load(owner)) return;
  win::ShowInFront(hwnd_);
}

bool fHelp::Load(HWND owner) {
  static const bool registered =
      win::RegisterWindowClass(kHelpClass, &fHelp::WindowProc, IDI_VARNELO);
  if (!registered) return false;

  dpi_ = win::ScreenDpi();
  SIZE size = win::WindowSizeForClient(kStyle, kExStyle, win::TwipsToPixels(kClientTwips.cx, dpi_),
                                       win::TwipsToPixels(kClientTwips.cy, dpi_));
  // Centred on the owner window.
  RECT ownerRect{};
  ::GetWindowRect(owner, &ownerRect);
  POINT at = win::CentreIn(win::SizeOf(ownerRect), size);
  if (!Create(kExStyle, kHelpClass, "Help", kStyle, ownerRect.left + at.x, ownerRect.top + at.y,
              size.cx, size.cy, owner))
    return false;
  Form_Load();
  return true;
}

LRESULT fHelp::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: {
      HWND header = win::CreateControl(hwnd_, kHeader, dpi_);
      HWND help = win::CreateControl(hwnd_, kHelp, dpi_);
      if (!header || !help) return -1;
      fonts_ = std::make_unique<LabelFonts>();
      fonts_->header.Attach(header, dpi_);
      fonts_->header.Apply(kHeaderFont);
      fonts_->help.Attach(help, dpi_);
      fonts_->help.Apply(kHelpFont);
      return 0;
    }
    case WM_ERASEBKGND:
      win::FillClient(hwnd_, reinterpret_cast<HDC>(wp), palette::Brush(palette::Paint::Backdrop));
      return 1;
    case WM_CTLCOLORSTATIC:
      return reinterpret_cast<LRESULT>(palette::ColourControl(
          reinterpret_cast<HDC>(wp), palette::Paint::Panel, palette::Paint::HelpText));
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      palette::Repaint(hwnd_);
      return 0;
    case WM_CLOSE:
      ::DestroyWindow(hwnd_);
      return 0;
    case WM_NCDESTROY:
      // The labels are gone: their fonts go with them.
      fonts_.reset();
      break;
  }
  return ::DefWindowProcA(hwnd_, msg, wp, lp);
}

void fHelp::Form_Load() {
  HWND help = ::GetDlgItem(hwnd_, ID_lblHelp);
  HWND header = ::GetDlgItem(hwnd_, ID_lblHelpHeader);

  RECT client;
  ::GetClientRect(hwnd_, &client);
  RECT helpRect = win::RectInParent(help);
  const float helpWidth = static_cast<float>(helpRect.right - helpRect.left);
  POINT at = win::CentreIn(win::SizeOf(client), win::SizeOf(helpRect));
  ::SetWindowPos(help, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const std::string heading = std::string("Quick Help - Using ") + product::kTitle;
  ::SetWindowTextA(header, heading.c_str());
  SIZE fit = win::MeasureCaption(header, heading, fonts_->header.get());
  ::SetWindowPos(header, nullptr, 0, 0, fit.cx, fit.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  // The heading is centred on the panel's width measured from the window's left edge.
  helpRect = win::RectInParent(help);
  ::SetWindowPos(header, nullptr, win::RoundPixel(helpWidth / 2 - fit.cx / 2.0f),
                 helpRect.top + win::ScalePixels(2, dpi_), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  ::SetWindowTextA(help, (win::GetText(help) + kHelpText).c_str());
}
