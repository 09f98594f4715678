// The main window's controls by their identifiers, in tab order: created in this order, the
// window order is the tab order. The window's design (shell/fMainDesign.cpp) has a row for
// each, in the same order, and the subsystems reach their controls through it by these.
#pragma once

struct MainIds {
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
};
