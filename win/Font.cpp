#include "win/Font.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <utility>

namespace win {
namespace {
std::atomic<long> g_live{0};
}

bool FontSpec::operator==(const FontSpec& o) const {
  return face == o.face && points == o.points && bold == o.bold && italic == o.italic &&
         underline == o.underline && strikeOut == o.strikeOut && charSet == o.charSet;
}

int PointsToHeight(float points, int dpi) {
  return -static_cast<int>(std::lround(points * static_cast<float>(dpi) / 72.0f));
}

LOGFONTA FontSpec::ToLogFont(int dpi) const {
  LOGFONTA lf{};
  lf.lfHeight = PointsToHeight(points, dpi);
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = charSet;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  // A face name longer than the record holds is cut, never overrun.
  std::strncpy(lf.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  return lf;
}

Font::Font(const FontSpec& attributes, int dpi) {
  LOGFONTA lf = attributes.ToLogFont(dpi);
  font_ = ::CreateFontIndirectA(&lf);
  if (font_) ++g_live;
}

Font::~Font() { Reset(); }

Font::Font(Font&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}

Font& Font::operator=(Font&& other) noexcept {
  if (this != &other) {
    Reset();
    font_ = std::exchange(other.font_, nullptr);
  }
  return *this;
}

void Font::Reset() {
  if (font_) {
    ::DeleteObject(font_);
    --g_live;
    font_ = nullptr;
  }
}

long Font::Live() { return g_live.load(); }

void ControlFont::SetDpi(int dpi) {
  if (dpi == dpi_) return;
  dpi_ = dpi;
  if (font_.get()) Make(attributes_);
}

void ControlFont::Apply(const FontSpec& attributes) {
  if (!shown_ || attributes != attributes_) Make(attributes);
}

void ControlFont::Share(const FontSpec& attributes, HFONT shared) {
  if (!shared) return;
  ::SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(shared), TRUE);
  font_ = Font();  // an own font it had is no longer shown
  shown_ = shared;
  attributes_ = attributes;
}

void ControlFont::Make(const FontSpec& attributes) {
  Font next(attributes, dpi_);
  if (!next.get()) return;  // keep the font the control has
  ::SendMessageA(control_, WM_SETFONT, reinterpret_cast<WPARAM>(next.get()), TRUE);
  font_ = std::move(next);  // the old font is deleted only now
  shown_ = font_.get();
  attributes_ = attributes;
}

}  // namespace win
