// The main window: the panel picInterface with every control of the design, and the event
// procedures of those controls. The procedures live beside their subsystem: start-up and
// layout in shell/, fonts and characters in browse/, the auxiliary windows in dialogs/.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

#include "shell/ListChars.h"
#include "win/ComboBox.h"
#include "win/Controls.h"
#include "win/DialogNavigation.h"
#include "win/Font.h"
#include "win/Handles.h"
#include "win/PictureButton.h"
#include "win/Subclass.h"
#include "win/Window.h"

class fHelp;
class fAbout;

#include "browse/mEnumFonts.h"

using FontEnumerator = mEnumFonts::Enumerator;

// What a run may change about start-up: only how the font list is filled.
struct fMainOptions {
  FontEnumerator enumerate = &::EnumFontFamiliesA;
};

class fMain : public win::Window<fMain> {
 public:
  // Control identifiers, in tab order: creation in this order makes z-order the tab order.
  enum Id : int {
    ID_picInterface = 100,
    ID_cboFonts,
    ID_lblPreview,
    ID_txtSymbol,
    ID_chkStrikeOut,
    ID_chkUnderline,
    ID_chkItalic,
    ID_chkBold,
    ID_cboSize,
    ID_lblKeycode,
    ID_ListChars,
    ID_cmdVisit,
    ID_cmdAbout,
    ID_lblControls0,  // "&Font"; indexes 1 to 5 follow
    ID_lblControls5 = ID_lblControls0 + 5,
    ID_cmdCopy,
    ID_cmdHelp,
    ID_lblnumfonts,
    ID_Last = ID_lblnumfonts
  };

  using Options = fMainOptions;

  explicit fMain(Options options);
  ~fMain();

  // Creates the window hidden with its controls in their design state, then runs Form_Load.
  bool Load();
  // Shows the window modeless.
  void Show();

  HWND Control(int id) const;

  // The controls of the panel as designed, in tab order.
  static size_t DesignCount();
  static const win::ControlDesc& DesignControl(size_t index);
  fHelp* HelpWindow() const { return help_.get(); }
  fAbout* AboutDialog() const { return about_.get(); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // One row of the design: the control as created, and what its events need.
  struct Design;
  using Hook = win::Hook<fMain>;

 private:
  static constexpr int kControlCount = ID_Last - ID_cboFonts + 1;
  static const Design kDesign[kControlCount];
  static const Design& DesignOf(int id);
  static bool IsDesigned(int id) { return id >= ID_cboFonts && id <= ID_Last; }

  // Design state.
  bool CreateControls();
  win::ControlFont& FontOf(int id) { return fonts_[static_cast<size_t>(id - ID_cboFonts)]; }
  win::ComboBox Combo(int id) const { return win::ComboBox(Control(id)); }
  HBRUSH OnCtlColor(HDC dc, HWND control);
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  // Selects a list entry from code: the click handler runs as for the user's choice.
  void SelectListIndex(int id, int index);
  void Raise(int id);  // the control's event procedure

  // The controls whose messages the window sees first (a row's hook).
  LRESULT cboFonts_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT Combo_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT txtSymbol_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);
  LRESULT ListChars_Hook(const Hook& hook, HWND, UINT, WPARAM, LPARAM);

  // Start-up and layout (shell/).
  void Form_Load();
  void Form_Resize();

  // Fonts, characters, style, size and the clipboard (browse/).
  void cboFonts_Click();
  void cboFonts_KeyDown(int keyCode, int shift);
  void FillSymbolList();
  static std::string GetKeyCode(const std::string& text);
  void ListChars_ItemClick();
  void txtSymbol_MouseUp();
  void cboSize_Click();
  void chkBold_Click();
  void chkItalic_Click();
  void chkStrikeOut_Click();
  void chkUnderline_Click();
  void cmdCopy_Click();
  std::pair<DWORD, DWORD> SymbolSelection() const;  // in characters, as the view counts
  std::string SelectedSymbolText() const;           // the same in the ANSI code page

  // The auxiliary windows and the web site (dialogs/).
  void cmdHelp_Click();
  void cmdAbout_Click();
  void cmdVisit_Click();

  Options options_;
  int dpi_ = 96;
  HWND picInterface_ = nullptr;
  win::DialogNavigation navigation_;
  // Per control, in design order; a row without a font, hook or picture leaves its unused.
  std::array<win::ControlFont, kControlCount> fonts_;
  std::array<Hook, kControlCount> hooks_;
  std::array<win::Picture, kControlCount> pictures_;
  ListChars listChars_;
  bool listKeyboard_ = false;  // the list's selection is moving by a key press

  std::unique_ptr<fHelp> help_;
  std::unique_ptr<fAbout> about_;
};
