// The main window: the panel picInterface with every control of the design. It creates the
// controls from their design rows and raises each control's event procedure; browsing
// (browse/) and the button row (dialogs/) own what the controls do.
#pragma once

#include <windows.h>

#include <array>

#include "browse/FontBrowser.h"
#include "browse/mEnumFonts.h"
#include "dialogs/ButtonRow.h"
#include "resources/Palette.h"
#include "win/Controls.h"
#include "win/DialogNavigation.h"
#include "win/Font.h"
#include "win/PictureButton.h"
#include "win/Window.h"

// What a run may change about start-up: how the font list is filled, and how high contrast
// is found out.
struct fMainOptions {
  mEnumFonts::Enumerator enumerate = &::EnumFontFamiliesA;
  bool (*highContrast)() = &palette::SystemHighContrast;
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
  fHelp* HelpWindow() const { return buttons_.HelpWindow(); }
  fAbout* AboutDialog() const { return buttons_.AboutDialog(); }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

  // One row of the design: the control as created, and what its events need.
  struct Design;

 private:
  static constexpr int kControlCount = ID_Last - ID_cboFonts + 1;
  static const Design kDesign[kControlCount];
  static const Design* RowOf(int id);  // nullptr for a control not of the design

  // An event procedure of browsing or of the button row, as a design row names it.
  using Event = void (*)(fMain&);
  template <void (FontBrowser::*Procedure)()>
  static void Browsing(fMain& form) {
    (form.browser_.*Procedure)();
  }
  template <void (ButtonRow::*Procedure)()>
  static void Buttons(fMain& form) {
    (form.buttons_.*Procedure)();
  }

  // What the window keeps of each control of the design.
  struct Slot {
    win::ControlFont font;
    FontBrowser::Hook hook;  // on the controls that take the focus, and where the row names one
    win::Named field;        // the edit field of a combo box that has one, named as the box
    win::Picture picture;    // owner-drawn buttons
  };
  Slot& SlotOf(int id) { return slots_[static_cast<size_t>(id - ID_cboFonts)]; }

  bool CreateControls();
  HBRUSH OnCtlColor(HDC dc, HWND control);
  void OnCommand(int id, int code);
  LRESULT OnNotify(const NMHDR& header);
  void OnDrawItem(const DRAWITEMSTRUCT& item);
  // Selects a list entry from code: the click handler runs as for the user's choice.
  void SelectListIndex(int id, int index);
  void Raise(const Design& row);  // the control's event procedure

  // Start-up and layout.
  void Form_Load();
  void Form_Resize();

  Options options_;
  int dpi_ = 96;
  HWND picInterface_ = nullptr;
  win::DialogNavigation navigation_;
  std::array<Slot, kControlCount> slots_;
  FontBrowser browser_;
  ButtonRow buttons_;
};
