#include "win/Scheme.h"

namespace win {

bool Scheme::SystemHighContrast() {
  HIGHCONTRASTA setting{sizeof setting, 0, nullptr};
  return ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
         (setting.dwFlags & HCF_HIGHCONTRASTON);
}

COLORREF Scheme::Colour(const Paint& paint) const {
  const int system = SystemColourOf(paint);
  return system >= 0 ? ::GetSysColor(system) : paint.design;
}

HBRUSH Scheme::Brush(const Paint& paint) {
  const int system = SystemColourOf(paint);
  if (system >= 0) return ::GetSysColorBrush(system);
  for (const auto& [of, brush] : brushes_)
    if (of == &paint) return brush.get();
  brushes_.emplace_back(&paint, UniqueBrush(::CreateSolidBrush(paint.design)));
  return brushes_.back().second.get();
}

HBRUSH Scheme::ColourControl(HDC dc, const Colours& colours) {
  ::SetTextColor(dc, Colour(*colours.text));
  ::SetBkColor(dc, Colour(*colours.back));
  return Brush(*colours.back);
}

}  // namespace win
