#include <oleacc.h>

#include "tests/harness/Program.h"

namespace harness {

// clang-format off
const MainControl kMainControls[21] = {
    {.id = fMain::ID_cboFonts, .className = "ComboBox", .box = {15, 33, 193, 21},
     .name = "Font", .role = ROLE_SYSTEM_COMBOBOX},
    {.id = fMain::ID_lblPreview, .className = "Static", .box = {242, 32, 200, 50}},
    {.id = fMain::ID_txtSymbol, .className = "Edit", .box = {14, 256, 430, 89},
     .name = "Symbol View", .role = ROLE_SYSTEM_TEXT},
    {.id = fMain::ID_chkStrikeOut, .className = "Button", .caption = "&StrikeOut",
     .box = {91, 129, 66, 24}, .name = "StrikeOut", .role = ROLE_SYSTEM_CHECKBUTTON},
    {.id = fMain::ID_chkUnderline, .className = "Button", .caption = "&Undeline",
     .box = {91, 109, 66, 24}, .name = "Undeline", .role = ROLE_SYSTEM_CHECKBUTTON},
    {.id = fMain::ID_chkItalic, .className = "Button", .caption = "&Italic",
     .box = {15, 130, 51, 22}, .name = "Italic", .role = ROLE_SYSTEM_CHECKBUTTON},
    {.id = fMain::ID_chkBold, .className = "Button", .caption = "&Bold",
     .box = {15, 109, 66, 24}, .name = "Bold", .role = ROLE_SYSTEM_CHECKBUTTON},
    {.id = fMain::ID_cboSize, .className = "ComboBox", .box = {15, 82, 113, 21},
     .name = "Size", .role = ROLE_SYSTEM_TEXT},
    {.id = fMain::ID_lblKeycode, .className = "Static", .caption = "",
     .box = {243, 199, 200, 44}, .face = "Arial", .height = -29, .bold = true},
    {.id = fMain::ID_ListChars, .className = "SysListView32", .caption = "",
     .box = {242, 104, 200, 74}, .name = "Symbol List", .role = ROLE_SYSTEM_LIST},
    {.id = fMain::ID_cmdVisit, .className = "Button", .caption = "Visit Ostrevane",
     .box = {264, 350, 180, 48}, .name = "Visit Ostrevane", .role = ROLE_SYSTEM_PUSHBUTTON},
    {.id = fMain::ID_cmdAbout, .className = "Button", .caption = "&About this program",
     .box = {14, 350, 176, 48}, .name = "About this program", .role = ROLE_SYSTEM_PUSHBUTTON},
    {.id = fMain::ID_lblControls0 + 0, .className = "Static", .caption = "&Font",
     .box = {15, 15, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_lblControls0 + 1, .className = "Static", .caption = "&Size",
     .box = {15, 63, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_lblControls0 + 2, .className = "Static", .caption = "&Preview",
     .box = {242, 15, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_lblControls0 + 3, .className = "Static", .caption = "&Keycode(ASCII)",
     .box = {242, 182, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_lblControls0 + 4, .className = "Static", .caption = "&Symbol View",
     .box = {14, 237, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_lblControls0 + 5, .className = "Static", .caption = "&Symbol List",
     .box = {242, 87, 0, 0}, .face = "Arial", .height = -13, .bold = true},
    {.id = fMain::ID_cmdCopy, .className = "Button", .caption = "&Copy To Clipboard",
     .box = {15, 195, 151, 38}, .face = "Arial", .height = -13, .bold = true,
     .name = "Copy To Clipboard", .role = ROLE_SYSTEM_PUSHBUTTON},
    {.id = fMain::ID_cmdHelp, .className = "Button", .caption = "&Help",
     .box = {195, 350, 64, 48}, .face = "Arial", .height = -13, .bold = true,
     .name = "Help", .role = ROLE_SYSTEM_PUSHBUTTON},
    {.id = fMain::ID_lblnumfonts, .className = "Static", .box = {15, 157, 224, 26},
     .face = "Arial", .height = -13, .bold = true},
};
// clang-format on

const int kStyleBoxes[4] = {fMain::ID_chkBold, fMain::ID_chkItalic, fMain::ID_chkUnderline,
                            fMain::ID_chkStrikeOut};

std::vector<int> Focusable() {
  std::vector<int> ids;
  for (const MainControl& c : kMainControls)
    if (c.name) ids.push_back(c.id);
  return ids;
}

}  // namespace harness
