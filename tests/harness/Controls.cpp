#include <oleacc.h>

#include "tests/harness/Program.h"

namespace harness {

// clang-format off
const MainControl kMainControls[21] = {
    {fMain::ID_cboFonts, "ComboBox", nullptr, {15, 33, 193, 21}, nullptr, 0, false, "Font", ROLE_SYSTEM_COMBOBOX},
    {fMain::ID_lblPreview, "Static", nullptr, {242, 32, 200, 50}, nullptr, 0, false, nullptr, 0},
    {fMain::ID_txtSymbol, "Edit", nullptr, {14, 256, 430, 89}, nullptr, 0, false, "Symbol View", ROLE_SYSTEM_TEXT},
    {fMain::ID_chkStrikeOut, "Button", "&StrikeOut", {91, 129, 66, 24}, nullptr, 0, false, "StrikeOut", ROLE_SYSTEM_CHECKBUTTON},
    {fMain::ID_chkUnderline, "Button", "&Undeline", {91, 109, 66, 24}, nullptr, 0, false, "Undeline", ROLE_SYSTEM_CHECKBUTTON},
    {fMain::ID_chkItalic, "Button", "&Italic", {15, 130, 51, 22}, nullptr, 0, false, "Italic", ROLE_SYSTEM_CHECKBUTTON},
    {fMain::ID_chkBold, "Button", "&Bold", {15, 109, 66, 24}, nullptr, 0, false, "Bold", ROLE_SYSTEM_CHECKBUTTON},
    {fMain::ID_cboSize, "ComboBox", nullptr, {15, 82, 113, 21}, nullptr, 0, false, "Size", ROLE_SYSTEM_TEXT},
    {fMain::ID_lblKeycode, "Static", "", {243, 199, 200, 44}, "Arial", -29, true, nullptr, 0},
    {fMain::ID_ListChars, "SysListView32", "", {242, 104, 200, 74}, nullptr, 0, false, "Symbol List", ROLE_SYSTEM_LIST},
    {fMain::ID_cmdVisit, "Button", "Visit Ostrevane", {264, 350, 180, 48}, nullptr, 0, false, "Visit Ostrevane", ROLE_SYSTEM_PUSHBUTTON},
    {fMain::ID_cmdAbout, "Button", "&About this program", {14, 350, 176, 48}, nullptr, 0, false, "About this program", ROLE_SYSTEM_PUSHBUTTON},
    {fMain::ID_lblControls0 + 0, "Static", "&Font", {15, 15, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_lblControls0 + 1, "Static", "&Size", {15, 63, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_lblControls0 + 2, "Static", "&Preview", {242, 15, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_lblControls0 + 3, "Static", "&Keycode(ASCII)", {242, 182, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_lblControls0 + 4, "Static", "&Symbol View", {14, 237, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_lblControls0 + 5, "Static", "&Symbol List", {242, 87, 0, 0}, "Arial", -13, true, nullptr, 0},
    {fMain::ID_cmdCopy, "Button", "&Copy To Clipboard", {15, 195, 151, 38}, "Arial", -13, true, "Copy To Clipboard", ROLE_SYSTEM_PUSHBUTTON},
    {fMain::ID_cmdHelp, "Button", "&Help", {195, 350, 64, 48}, "Arial", -13, true, "Help", ROLE_SYSTEM_PUSHBUTTON},
    {fMain::ID_lblnumfonts, "Static", nullptr, {15, 157, 224, 26}, "Arial", -13, true, nullptr, 0},
};
// clang-format on

std::vector<int> Focusable() {
  std::vector<int> ids;
  for (const MainControl& c : kMainControls)
    if (c.name) ids.push_back(c.id);
  return ids;
}

}  // namespace harness
