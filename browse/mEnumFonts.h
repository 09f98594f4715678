// The font list: one entry per family that the system reports for the display.
#pragma once

#include <windows.h>

namespace mEnumFonts {

// Adds the face name of each reported family to the combo box given in lParam; duplicates
// are kept, and the sorted combo box puts each name in its place.
int CALLBACK EnumFontFamProc(const LOGFONTA* font, const TEXTMETRICA* metrics, DWORD type,
                             LPARAM list);

using Enumerator = int(WINAPI*)(HDC, LPCSTR, FONTENUMPROCA, LPARAM);

// One enumeration over a device context of the combo box's window.
void FillFontList(HWND combo, Enumerator enumerate);

}  // namespace mEnumFonts
