#include "dialogs/fAbout.h"

#include <cstring>

#include "resources/Palette.h"
#include "resources/Product.h"
#include "resources/resource.h"
#include "win/Controls.h"
#include "win/Handles.h"

namespace {

const DWORD kStyle = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const POINT kClientOriginTwips{2340, 1935};  // from the screen's top-left corner
const SIZE kClientTwips{5730, 3555};
// One etched separator: a grey line over a white one, a twip-offset apart, to one right edge.
const POINT kSeparatorGreyTwips{90, 2445}, kSeparatorWhiteTwips{105, 2460};
const int kSeparatorRightTwips = 5654;

const DWORD kLabel = SS_LEFT | SS_NOPREFIX;
// In tab order.
const win::ControlDesc kControls[] = {
    {fAbout::ID_cmdOK, "BUTTON", "OK", nullptr, BS_DEFPUSHBUTTON | WS_TABSTOP, 0, 4245, 2625, 1260,
     345, nullptr, false},
    {fAbout::ID_picIcon, "STATIC", "", nullptr, SS_ICON, WS_EX_CLIENTEDGE, 240, 240, 540, 540,
     nullptr, false},
    {fAbout::ID_cmdSysInfo, "BUTTON", "&System Info...", nullptr, BS_PUSHBUTTON | WS_TABSTOP, 0,
     4260, 3075, 1245, 345, nullptr, false},
    {fAbout::ID_lblDescription, "STATIC", "App Description", nullptr, kLabel, 0, 1050, 1125, 3885,
     1170, nullptr, false},
    {fAbout::ID_lblDisclaimer, "STATIC", "", nullptr, kLabel, 0, 255, 2625, 3870, 825, nullptr,
     false},
    {fAbout::ID_lblTitle, "STATIC", "Application Title", nullptr, kLabel, 0, 1050, 240, 3885, 480,
     nullptr, false},
    {fAbout::ID_lblVersion, "STATIC", "Version", nullptr, kLabel, 0, 1050, 780, 3885, 225, nullptr,
     false},
};

// An empty dialog template; the controls are created from the table above.
struct EmptyTemplate {
  DLGTEMPLATE dialog;
  WORD menu, windowClass;
  wchar_t title[12];
  WORD pointSize;
  wchar_t face[13];
};

const EmptyTemplate& Template() {
  static const EmptyTemplate t = [] {
    EmptyTemplate value{};
    value.dialog.style = kStyle;
    value.dialog.cx = 255;
    value.dialog.cy = 150;
    std::memcpy(value.title, L"About MyApp", sizeof L"About MyApp");
    value.pointSize = 8;
    std::memcpy(value.face, L"MS Shell Dlg", sizeof L"MS Shell Dlg");
    return value;
  }();
  return t;
}

}  // namespace

void fAbout::Show(HWND owner) {
  if (!hwnd_) {
    const EmptyTemplate& t = Template();
    if (!::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), &t.dialog, owner,
                                      &fAbout::DialogProc, reinterpret_cast<LPARAM>(this)) ||
        !hwnd_)
      return;
  }
  win::ShowInFront(hwnd_);
}

INT_PTR fAbout::HandleDialogMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      dpi_ = win::ScreenDpi();
      CreateControls();
      Form_Load();
      ::SetFocus(::GetDlgItem(hwnd_, ID_cmdOK));
      return FALSE;  // the focus is set
    case WM_COMMAND:
      if (HIWORD(wp) != BN_CLICKED) return FALSE;
      if (LOWORD(wp) == ID_cmdOK || LOWORD(wp) == IDCANCEL) cmdOK_Click();  // Esc too
      if (LOWORD(wp) == ID_cmdSysInfo) cmdSysInfo_Click();
      return TRUE;
    case DM_GETDEFID: {
      // Enter presses the push button that has the focus, else OK. The dialog manager makes
      // a button the default one only when Tab brings the focus to it, not when a mouse
      // press or code does; so the default button is the one the focus is on.
      const int id = ::GetFocus() == ::GetDlgItem(hwnd_, ID_cmdSysInfo) ? ID_cmdSysInfo : ID_cmdOK;
      ::SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, MAKELRESULT(id, DC_HASDEFID));
      return TRUE;
    }
    case WM_PAINT:
      Paint();
      return TRUE;
    case WM_CTLCOLORSTATIC: {
      // The title, description and disclaimer are black on the dialog's face.
      const int id = ::GetDlgCtrlID(reinterpret_cast<HWND>(lp));
      if (id != ID_lblTitle && id != ID_lblDescription && id != ID_lblDisclaimer) return FALSE;
      const HDC dc = reinterpret_cast<HDC>(wp);
      ::SetTextColor(dc, palette::Colour(palette::Paint::AboutText));
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      return reinterpret_cast<INT_PTR>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_SETTINGCHANGE:
    case WM_SYSCOLORCHANGE:
      palette::Repaint(hwnd_);
      return TRUE;
    case WM_CLOSE:
      cmdOK_Click();
      return TRUE;
    case WM_NCDESTROY:
      icon_.reset();  // the picture box and the title bar that showed them are gone
      titleIcon_.reset();
      return FALSE;
  }
  return FALSE;
}

void fAbout::CreateControls() {
  // Fixed position and size, in pixels of the screen.
  SIZE size = win::WindowSizeForClient(kStyle & ~DS_SETFONT, WS_EX_DLGMODALFRAME,
                                       win::TwipsToPixels(kClientTwips.cx, dpi_),
                                       win::TwipsToPixels(kClientTwips.cy, dpi_));
  RECT frame{0, 0, 0, 0};
  ::AdjustWindowRectEx(&frame, kStyle & ~DS_SETFONT, FALSE, WS_EX_DLGMODALFRAME);
  ::SetWindowPos(hwnd_, nullptr, win::TwipsToPixels(kClientOriginTwips.x, dpi_) + frame.left,
                 win::TwipsToPixels(kClientOriginTwips.y, dpi_) + frame.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);

  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(hwnd_, WM_GETFONT, 0, 0));  // the dialog's
  auto named = named_.begin();
  for (const win::ControlDesc& d : kControls) {
    HWND control = win::CreateControl(hwnd_, d, dpi_);
    ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The buttons answer assistive technology with their names.
    if ((d.style & WS_TABSTOP) && named != named_.end()) (named++)->Attach(control, d.name);
  }
  HWND icon = ::GetDlgItem(hwnd_, ID_picIcon);
  // The program's icon drawn at the density's size, scaled by the system where it must be.
  const int iconSide = win::ScalePixels(32, dpi_);
  icon_.reset(
      static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VARNELO),
                                      IMAGE_ICON, iconSide, iconSide, 0)));
  ::SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
  // The title bar shows the program's icon too; a dialog's class has none to give it.
  titleIcon_.reset(static_cast<HICON>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_VARNELO), IMAGE_ICON,
                   ::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON), 0)));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(titleIcon_.get()));
  ::SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
  // The icon inside its sunken border of two pixels.
  RECT border{0, 0, 0, 0};
  ::AdjustWindowRectEx(&border, 0, FALSE, WS_EX_CLIENTEDGE);
  const int side = iconSide + (border.right - border.left);
  ::SetWindowPos(icon, nullptr, 0, 0, side, side, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void fAbout::Form_Load() {
  ::SetWindowTextA(hwnd_, (std::string("About ") + product::kTitle).c_str());
  ::SetDlgItemTextA(hwnd_, ID_lblVersion, VersionText().c_str());
  ::SetDlgItemTextA(hwnd_, ID_lblTitle, product::kTitle);
  ::SetDlgItemTextA(hwnd_, ID_lblDescription, DescriptionText().c_str());
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
  win::PaintDC dc(hwnd_);
  const int right = win::TwipsToPixels(kSeparatorRightTwips, dpi_) + 1;
  auto line = [&](POINT at, int thickness) {
    const int top = win::TwipsToPixels(at.y, dpi_);
    return RECT{win::TwipsToPixels(at.x, dpi_), top, right,
                top + win::ScalePixels(thickness, dpi_)};
  };
  const RECT grey = line(kSeparatorGreyTwips, 1), white = line(kSeparatorWhiteTwips, 2);
  ::FillRect(dc.get(), &white, palette::Brush(palette::Paint::RuleLight));
  ::FillRect(dc.get(), &grey, palette::Brush(palette::Paint::RuleShadow));
}

void fAbout::cmdOK_Click() { ::DestroyWindow(hwnd_); }
