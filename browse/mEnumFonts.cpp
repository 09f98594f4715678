#include "browse/mEnumFonts.h"

#include <cstring>
#include <string>

#include "win/ComboBox.h"
#include "win/Handles.h"

namespace mEnumFonts {

int CALLBACK EnumFontFamProc(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list) {
  if (!font) return 1;
  try {  // no exception may cross back into the system: a name that can't be added is left out
    // The face name ends at its first NUL, and never runs past the field.
    const char* face = font->lfFaceName;
    std::string name(face, strnlen(face, LF_FACESIZE));
    win::ComboBox(reinterpret_cast<HWND>(list)).Add(name.c_str());
  } catch (...) {
  }
  return 1;
}

void FillFontList(HWND combo, Enumerator enumerate) {
  win::WindowDC dc(combo);
  enumerate(dc.get(), nullptr, &EnumFontFamProc, reinterpret_cast<LPARAM>(combo));
}

}  // namespace mEnumFonts
