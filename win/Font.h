// A control's font as a value (face, size in points, four style flags) and the owner of
// the HFONT made from it. Every live HFONT of the program is counted here, so a test can
// prove that no font object outlives its use.
#pragma once

#include <windows.h>

#include <string>

namespace win {

struct FontSpec {
  std::string face;
  float points = 8.0f;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  BYTE charSet = ANSI_CHARSET;

  bool operator==(const FontSpec& other) const;
  bool operator!=(const FontSpec& other) const { return !(*this == other); }
  LOGFONTA ToLogFont(int dpi) const;
};

// Points to a LOGFONT height at the given density: 9.75 pt is 13 pixels at 96 dpi.
int PointsToHeight(float points, int dpi);

class Font {
 public:
  Font() = default;
  Font(const FontSpec& attributes, int dpi);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  Font(Font&& other) noexcept;
  Font& operator=(Font&& other) noexcept;

  HFONT get() const { return font_; }
  static long Live();  // HFONTs created here and not yet deleted

 private:
  void Reset();
  HFONT font_ = nullptr;
};

// The font of one control: applying changed attributes creates the new font, hands it to
// the control, and only then deletes the old one. Unchanged attributes change nothing. A
// control may show a font its window shares among its controls until its own attributes
// first change.
class ControlFont {
 public:
  ControlFont() = default;
  ControlFont(const ControlFont&) = delete;
  ControlFont& operator=(const ControlFont&) = delete;

  void Attach(HWND control, int dpi) { control_ = control, dpi_ = dpi; }
  void Apply(const FontSpec& attributes);
  // Shows the window's shared font, made from `attributes`; not owned.
  void Share(const FontSpec& attributes, HFONT shared);
  bool Shared() const { return shown_ && !font_.get(); }
  // The same attributes at another density: a font of its own made again for it.
  void SetDpi(int dpi);
  const FontSpec& attributes() const { return attributes_; }
  HFONT get() const { return shown_; }

  // The face with the character set to ask for: DEFAULT_CHARSET lets the platform pick the
  // face's own.
  void SetFace(const std::string& face, BYTE charSet) {
    Change([&](FontSpec& s) { s.face = face, s.charSet = charSet; });
  }
  void SetPoints(float points) {
    Change([&](FontSpec& s) { s.points = points; });
  }
  void SetBold(bool on) {
    Change([&](FontSpec& s) { s.bold = on; });
  }
  void SetItalic(bool on) {
    Change([&](FontSpec& s) { s.italic = on; });
  }
  void SetUnderline(bool on) {
    Change([&](FontSpec& s) { s.underline = on; });
  }
  void SetStrikeOut(bool on) {
    Change([&](FontSpec& s) { s.strikeOut = on; });
  }

 private:
  void Make(const FontSpec& attributes);
  template <typename Edit>
  void Change(Edit edit) {
    FontSpec s = attributes_;
    edit(s);
    Apply(s);
  }

  HWND control_ = nullptr;  // not owned
  int dpi_ = 96;
  FontSpec attributes_;
  Font font_;              // its own, if it has one
  HFONT shown_ = nullptr;  // its own, or the shared one
};

}  // namespace win
