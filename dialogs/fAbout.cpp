#include "dialogs/fAbout.h"

#include <commctrl.h>
#include <oleacc.h>

#include <cstring>

#include "resources/Palette.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "win/Controls.h"
#include "win/Dpi.h"
#include "win/Handles.h"

namespace {

const POINT kClientOriginTwips{2340, 1935};  // from the screen's top-left corner
// One etched separator: a grey line over a white one, a twip-offset apart, to one right edge.
const POINT kSeparatorGreyTwips{90, 2445}, kSeparatorWhiteTwips{105, 2460};
const int kSeparatorRightTwips = 5654;
// The platform's default dialog font.
const win::FontSpec kDialogFont{"MS Shell Dlg", 8.0f, false, false, false, false, DEFAULT_CHARSET};
const DWORD kLabel = SS_LEFT | SS_NOPREFIX;

// In tab order. OK is the default button (see the window's design), and Esc closes the dialog
// as it does.
// clang-format off
constexpr win::ControlDesign kControls[] = {
    {.id = fAbout::ID_cmdOK, .className = WC_BUTTONA, .caption = "OK",
     .style = BS_DEFPUSHBUTTON | WS_TABSTOP, .place = {4245, 2625, 1260, 345}, .notice = BN_CLICKED,
     .event = &fAbout::cmdOK_Click},
    // The program's icon at the density's size inside a sunken border.
    {.id = fAbout::ID_picIcon, .className = WC_STATICA, .style = SS_ICON,
     .exStyle = WS_EX_CLIENTEDGE, .place = {240, 240, 540, 540}, .autoSize = true,
     .picture = IDI_VARNELO, .icon = true},
    {.id = fAbout::ID_cmdSysInfo, .className = WC_BUTTONA, .caption = "&System Info...",
     .style = BS_PUSHBUTTON | WS_TABSTOP, .place = {4260, 3075, 1245, 345}, .notice = BN_CLICKED,
     .event = &fAbout::cmdSysInfo_Click},
    // The title, description and disclaimer are black on the dialog's face.
    {.id = fAbout::ID_lblDescription, .className = WC_STATICA, .caption = "App Description",
     .style = kLabel, .place = {1050, 1125, 3885, 1170}, .colours = palette::kAboutLabel},
    {.id = fAbout::ID_lblDisclaimer, .className = WC_STATICA, .style = kLabel,
     .place = {255, 2625, 3870, 825}, .colours = palette::kAboutLabel},
    {.id = fAbout::ID_lblTitle, .className = WC_STATICA, .caption = "Application Title",
     .style = kLabel, .place = {1050, 240, 3885, 480}, .colours = palette::kAboutLabel},
    {.id = fAbout::ID_lblVersion, .className = WC_STATICA, .caption = "Version", .style = kLabel,
     .place = {1050, 780, 3885, 225}},
};
// clang-format on

const win::FormDesign kForm{.className = "VarneloAbout",
                            .title = "About MyApp",
                            .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
                            .exStyle = WS_EX_DLGMODALFRAME,
                            .client = {5730, 3555},
                            .icon = IDI_VARNELO,
                            .backdrop = &palette::kDialogFace,
                            .font = &kDialogFont,
                            .controls = kControls,
                            .defaultButton = fAbout::ID_cmdOK,
                            .role = ROLE_SYSTEM_DIALOG};

}  // namespace

fAbout::fAbout(Key key, const win::SystemQueries& system) : Form(key, kForm, system) {}

void fAbout::Show(HWND owner) {
  if (!hwnd()) {
    if (!Create(owner)) return;
    Form_Load();
    ::SetFocus(Control(ID_cmdOK));
  }
  win::ShowInFront(hwnd());
}

// At its fixed place on the screen, not centred: the client area's top-left corner.
POINT fAbout::Place(SIZE, HWND, int dpi) const {
  const int left = win::TwipsToPixels(kClientOriginTwips.x, dpi);
  const int top = win::TwipsToPixels(kClientOriginTwips.y, dpi);
  const RECT frame = win::FrameAround({left, top, left, top}, kForm.style, kForm.exStyle, dpi);
  return POINT{frame.left, frame.top};
}

LRESULT fAbout::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      if (LOWORD(wp) == IDCANCEL) Close();  // Esc
      return 0;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
  }
  return Form::HandleMessage(msg, wp, lp);
}

void fAbout::Form_Load() {
  ::SetWindowTextA(hwnd(), (std::string("About ") + product::kTitle).c_str());
  ::SetDlgItemTextA(hwnd(), ID_lblVersion, VersionText().c_str());
  ::SetDlgItemTextA(hwnd(), ID_lblTitle, product::kTitle);
  ::SetDlgItemTextA(hwnd(), ID_lblDescription, DescriptionText().c_str());
}

std::string fAbout::DescriptionText() {
  return std::string(product::kTitle) +
         " is a handy tool which you can use to quickly view"
         " and use font characters on your computer. For more information on this and other "
         "software,"
         " Please contact us at: " +
         product::kMakerUrl;
}

std::string fAbout::VersionText() {
  // The fixed part of the version record, found by its signature in the program's own resource.
  WORD major = 0, minor = 0, revision = 0;
  HMODULE self = ::GetModuleHandleA(nullptr);
  if (HRSRC found =
          ::FindResourceA(self, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16) /* RT_VERSION */)) {
    const auto* bytes = static_cast<const BYTE*>(::LockResource(::LoadResource(self, found)));
    const DWORD size = ::SizeofResource(self, found);
    for (DWORD at = 0; bytes && at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
      VS_FIXEDFILEINFO info;
      std::memcpy(&info, bytes + at, sizeof info);
      if (info.dwSignature == 0xFEEF04BD) {
        major = HIWORD(info.dwFileVersionMS);
        minor = LOWORD(info.dwFileVersionMS);
        revision = LOWORD(info.dwFileVersionLS);
        break;
      }
    }
  }
  return "Version " + std::to_string(major) + "." + std::to_string(minor) + "." +
         std::to_string(revision);
}

void fAbout::Paint() {
  win::PaintDC dc(hwnd());
  const int right = win::TwipsToPixels(kSeparatorRightTwips, dpi()) + 1;
  auto line = [&](POINT at, int thickness) {
    const int top = win::TwipsToPixels(at.y, dpi());
    return RECT{win::TwipsToPixels(at.x, dpi()), top, right,
                top + win::ScalePixels(thickness, dpi())};
  };
  const RECT grey = line(kSeparatorGreyTwips, 1), white = line(kSeparatorWhiteTwips, 2);
  ::FillRect(dc.get(), &white, scheme().Brush(palette::kRuleLight));
  ::FillRect(dc.get(), &grey, scheme().Brush(palette::kRuleShadow));
}
