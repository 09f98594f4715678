// The floors of the benchmark: the platform work of each figure done the plainest way, with
// none of the program's code, and what both sides share.
#pragma once

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace bench {

// Milliseconds on the performance counter.
double Now();
// Everything queued, paints included, handled the way the program's loop handles it.
void Drain();
// Codes 1 to 255, as the Symbol View's text.
std::string Symbols();

// The plainest window: a top-level window of the system's static class, with nothing of ours;
// and in it a bare report-view list view of the Symbol List's column.
HWND PlainWindow(int width, int height);
HWND PlainList(HWND parent);

// Start-up floor: one enumeration into a sorted combo box, the bare creation of the same
// controls, one fill of the edit and of the list view, shown.
double StartupFloor();
// Arial in turn at two sizes, or two weights.
double FontSwapFloor(HWND control, int height, int weight, int times);
// The sizes the program shows, 8 and 72 points, in the Symbol View's face, given to an edit
// made from the view's own design.
double SizeSwapFloor(HWND edit, const char* face, int times);
// The name of a font-list entry, whole, as the program reads it.
std::string EntryName(HWND fonts, int index);

// A bare edit given faces the way the program gives its Symbol View one: a font of the face,
// otherwise as `font`, handed over before the old one is deleted. The face the edit holds
// already changes nothing, as in the program, unless `always`.
class BareEdit {
 public:
  BareEdit(HWND edit, const LOGFONTA& font) : edit_(edit), font_(font) {
    SetFace(font.lfFaceName, true);
  }
  ~BareEdit() {
    ::SendMessageA(edit_, WM_SETFONT, 0, FALSE);
    ::DeleteObject(current_);
  }
  BareEdit(const BareEdit&) = delete;
  BareEdit& operator=(const BareEdit&) = delete;

  void SetFace(const std::string& face, bool always) {
    if (face == face_ && !always) return;
    face_ = face;
    std::strncpy(font_.lfFaceName, face.c_str(), LF_FACESIZE - 1);  // cut as the program cuts it
    HFONT next = ::CreateFontIndirectA(&font_);
    ::SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(next), TRUE);
    if (current_) ::DeleteObject(current_);
    current_ = next;
  }

 private:
  HWND edit_;
  LOGFONTA font_;
  std::string face_;
  HFONT current_ = nullptr;
};

// A walk through the font list done plainly: on each step the 255 rows put into a bare list
// view and the bare edit given the entry's face, laid out again where the face changes, or
// with `always` on every step.
double WalkFloor(BareEdit& edit, HWND list, HWND fonts, const std::vector<int>& entries,
                 bool always);
// A text put on the clipboard the plainest way, `times` over.
double CopyFloor(HWND owner, int times);

}  // namespace bench
