#include "dialogs/fHelp.h"

#include <commctrl.h>

#include <string>

#include "resources/Palette.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "win/Controls.h"
#include "win/Dpi.h"

namespace {

const win::FontSpec kHeaderFont{"Arial", 9.75f, true, false, true};
const win::FontSpec kHelpFont{"Arial", 8.25f, true};
const DWORD kLabel = SS_LEFT | SS_NOPREFIX | WS_CLIPSIBLINGS;

// The heading is drawn over the top of the help panel, where the text leaves two empty lines
// for it; it comes first so that it lies in front.
// clang-format off
constexpr win::ControlDesign kControls[] = {
    {.id = fHelp::ID_lblHelpHeader, .className = WC_STATICA, .style = kLabel,
     .place = {135, 165, 4410, 240}, .font = &kHeaderFont, .autoSize = true,
     .colours = palette::kHelpPanel},
    {.id = fHelp::ID_lblHelp, .className = WC_STATICA, .style = kLabel,
     .place = {90, 105, 4500, 3855}, .font = &kHelpFont, .colours = palette::kHelpPanel},
};
// clang-format on

const win::FormDesign kForm{.className = "VarneloHelp",
                            .title = "Help",
                            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN,
                            .exStyle = WS_EX_DLGMODALFRAME,
                            .client = {4695, 4080},
                            .icon = IDI_VARNELO,
                            .backdrop = &palette::kBackdrop,
                            .controls = kControls};

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

fHelp::fHelp(Key key, const win::SystemQueries& system) : Form(key, kForm, system) {}

void fHelp::Show(HWND owner) {
  if (!hwnd()) {
    if (!Create(owner)) return;
    Form_Load();
  }
  win::ShowInFront(hwnd());
}

// Centred on the owner window.
POINT fHelp::Place(SIZE size, HWND owner, int) const {
  RECT ownerRect{};
  ::GetWindowRect(owner, &ownerRect);
  const POINT at = win::CentreIn(win::SizeOf(ownerRect), size);
  return POINT{ownerRect.left + at.x, ownerRect.top + at.y};
}

LRESULT fHelp::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CLOSE) {
    ::DestroyWindow(hwnd());
    return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

void fHelp::Form_Load() {
  const HWND help = Control(ID_lblHelp);
  ::SetWindowTextA(Control(ID_lblHelpHeader),
                   (std::string("Quick Help - Using ") + product::kTitle).c_str());
  ::SetWindowTextA(help, (win::GetText(help) + kHelpText).c_str());
  Relayout();  // the heading sized to its text
}

// The help panel centred in the client area; the heading centred on the panel's width
// measured from the window's left edge, just under the panel's top.
void fHelp::Arrange() {
  const HWND help = Control(ID_lblHelp), header = Control(ID_lblHelpHeader);
  RECT client;
  ::GetClientRect(hwnd(), &client);
  RECT helpRect = win::RectInParent(help);
  const float helpWidth = static_cast<float>(helpRect.right - helpRect.left);
  const POINT at = win::CentreIn(win::SizeOf(client), win::SizeOf(helpRect));
  ::SetWindowPos(help, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const SIZE heading = win::SizeOf(win::RectInParent(header));
  ::SetWindowPos(header, nullptr, win::RoundPixel(helpWidth / 2 - heading.cx / 2.0f),
                 at.y + win::ScalePixels(2, dpi()), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
