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
#include "resources/MainIds.h"
#include "win/Accessible.h"
#include "win/Font.h"
#include "win/Form.h"
#include "win/Subclass.h"

class FontBrowser : MainIds {
 public:
  // The controls are those of the window, reached through its design by their identifiers;
  // the window owns them and their fonts. The Symbol List has one column, `columnHeader`.
  // False where the window lacks a control that browsing needs a font of.
  bool Attach(win::Form& form, const char* columnHeader);
  // The colours changed (high contrast, or the system's colours).
  void ColoursChanged();

  // Event procedures.
  void cboFonts_Click();
  void cboFonts_KeyDown(int keyCode);  // the state of Shift, Ctrl and Alt plays no part
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
  LRESULT cboFonts_Hook(const win::Subclass& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT Combo_Hook(const win::Subclass& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT txtSymbol_Hook(const win::Subclass& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT ListChars_Hook(const win::Subclass& hook, HWND, UINT, WPARAM, LPARAM);

  // The Symbol List's notices: its questions answered in `answer`, and the notice that the
  // user's action amounts to (a double-click, or a row chosen by key, is a click), else 0.
  UINT ListChars_Notice(const NMHDR& header, LRESULT& answer);

 private:
  std::pair<DWORD, DWORD> SymbolSelection() const;  // in UTF-16 units, as the view counts
  // The view's character that spans exactly from..to; nullptr where that is none or more.
  const mSymbols::Symbol* SymbolAt(DWORD from, DWORD to) const;
  void ShowKeystroke(const std::string& code);
  void SetListColours();
  void ApplyStyle(int box, void (win::ControlFont::*set)(bool), bool win::FontSpec::*flag);
  HWND Control(int id) const { return form_->Control(id); }

  win::Form* form_ = nullptr;                // not owned
  win::ControlFont* viewFont_ = nullptr;     // the Symbol View's, owned by the window
  win::ControlFont* previewFont_ = nullptr;  // the preview's, owned by the window
  std::vector<mSymbols::Symbol> symbols_;    // the Symbol View's characters, in order
  ListChars listChars_;
  bool listKeyboard_ = false;  // the list's selection is moving by a key press
};
