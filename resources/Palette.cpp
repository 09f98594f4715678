#include "resources/Palette.h"

#include "win/Handles.h"

namespace palette {
namespace {

struct Entry {
  COLORREF design;   // the design's colour...
  int designSystem;  // ...or the system colour that the design names (COLOR_*), else -1
  int contrast;      // the system colour while high contrast is on
};

// In the order of Paint.
const Entry kPaints[] = {
    {RGB(128, 128, 128), -1, COLOR_WINDOW},     // Backdrop
    {RGB(128, 160, 192), -1, COLOR_BTNFACE},    // Panel
    {0, COLOR_WINDOWTEXT, COLOR_BTNTEXT},       // PanelText
    {RGB(224, 224, 224), -1, COLOR_WINDOW},     // Field
    {0, COLOR_WINDOWTEXT, COLOR_WINDOWTEXT},    // FieldText
    {RGB(255, 255, 255), -1, COLOR_BTNTEXT},    // HelpText
    {RGB(0, 0, 0), -1, COLOR_BTNTEXT},          // AboutText
    {RGB(128, 128, 128), -1, COLOR_GRAYTEXT},   // RuleShadow
    {RGB(255, 255, 255), -1, COLOR_HIGHLIGHT},  // RuleLight
};
constexpr size_t kPaintCount = sizeof kPaints / sizeof kPaints[0];
win::UniqueBrush g_brushes[kPaintCount];  // of the design's own colours, made on first use

bool (*g_query)() = &SystemHighContrast;
bool g_highContrast = false;

// The system colour that paints it now, or -1 for the design's own.
int SystemColourOf(Paint paint) {
  const Entry& e = kPaints[static_cast<size_t>(paint)];
  return g_highContrast ? e.contrast : e.designSystem;
}

}  // namespace

bool SystemHighContrast() {
  HIGHCONTRASTA setting{sizeof setting, 0, nullptr};
  return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON);
}

void Follow(bool (*query)()) {
  g_query = query;
  g_highContrast = g_query();
}

void Repaint(HWND window) {
  g_highContrast = g_query();
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

COLORREF Colour(Paint paint) {
  const int system = SystemColourOf(paint);
  return system >= 0 ? ::GetSysColor(system) : kPaints[static_cast<size_t>(paint)].design;
}

HBRUSH Brush(Paint paint) {
  const int system = SystemColourOf(paint);
  if (system >= 0) return ::GetSysColorBrush(system);
  win::UniqueBrush& brush = g_brushes[static_cast<size_t>(paint)];
  if (!brush) brush.reset(::CreateSolidBrush(kPaints[static_cast<size_t>(paint)].design));
  return brush.get();
}

HBRUSH ColourControl(HDC dc, Paint back, Paint text) {
  ::SetTextColor(dc, Colour(text));
  ::SetBkColor(dc, Colour(back));
  return Brush(back);
}

}  // namespace palette
