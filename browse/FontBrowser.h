// Browsing the fonts and their characters: the font and size boxes, the four style boxes, the
// Symbol View and its preview, the Symbol List, the keystroke of a chosen character and the
// copy to the clipboard. The window that holds the controls creates them and raises these
// event procedures; what each control does is here.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

#include "browse/ListChars.h"
#include "browse/Symbols.h"
#include "win/Accessible.h"
#include "win/Font.h"
#include "win/Subclass.h"

class FontBrowser {
 public:
  // The controls, owned by the window that holds them, as are the fonts of the view and the
  // preview.
  struct Controls {
    HWND window;  // the clipboard's owner
    HWND cboFonts, cboSize, txtSymbol, lblPreview, lblKeycode, ListChars;
    HWND chkBold, chkItalic, chkUnderline, chkStrikeOut;
    win::ControlFont *symbolFont, *previewFont;
  };
  // The Symbol List's design: its one column.
  struct ListDesign {
    const char* header;
    int columnWidth;  // pixels
  };

  void Attach(const Controls& controls, const ListDesign& list, int dpi);
  // The palette changed (high contrast, or the system's colours).
  void ColoursChanged();
  // The window goes; its controls still exist.
  void Unload();

  // Event procedures.
  void cboFonts_Click();
  void cboFonts_KeyDown(int keyCode, int shift);
  void ListChars_ItemClick();
  void txtSymbol_MouseUp();
  void cboSize_Click();
  void chkBold_Click();
  void chkItalic_Click();
  void chkStrikeOut_Click();
  void chkUnderline_Click();
  void cmdCopy_Click();

  // The Symbol View's text: the characters of codes 1 to 255.
  void FillSymbolView();
  void FillSymbolList();
  // The code of the first character of `code`, its bytes in the code page of the codes.
  static std::string GetKeyCode(const std::string& code);

  // The controls whose messages browsing sees first.
  using Hook = win::Hook<FontBrowser>;
  LRESULT cboFonts_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT Combo_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT txtSymbol_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT ListChars_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);

  // The Symbol List's notices: its questions answered in `answer`, and the notice that the
  // user's action amounts to (a double-click, or a row chosen by key, is a click), else 0.
  UINT ListChars_Notice(const NMHDR& header, LRESULT& answer);

 private:
  std::pair<DWORD, DWORD> SymbolSelection() const;  // in UTF-16 units, as the view counts
  // The view's character that spans exactly from..to; nullptr where that is none or more.
  const mSymbols::Symbol* SymbolAt(DWORD from, DWORD to) const;
  void ShowKeystroke(const std::string& code);
  void SetListColours();
  void ApplyStyle(HWND box, void (win::ControlFont::*set)(bool), bool win::FontSpec::*flag);

  Controls c_{};
  std::vector<mSymbols::Symbol> symbols_;  // the Symbol View's characters, in order
  ListChars listChars_;
  win::LiveRegion keycode_;    // a picked keystroke is read out
  bool listKeyboard_ = false;  // the list's selection is moving by a key press
};
