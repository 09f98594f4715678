// Choosing a font, the Symbol List, the keystroke of a character, style and size, and the
// clipboard copy.
#include <cstdlib>
#include <string>

#include "shell/fMain.h"
#include "win/Clipboard.h"
#include "win/Controls.h"

namespace {
const char kListFace[] = "Ariel";  // handed to the platform as it is; font matching supplies a face
// A face chosen in the font list is drawn in its own character set (a symbol or a Cyrillic
// family may have no ANSI one); the list's own face keeps the ANSI set of the design.
const BYTE kChosenCharSet = DEFAULT_CHARSET;
const float kListPoints = 10.0f;
const int kSymbolCount = 255;
}  // namespace

// The text of the font box is read afresh for each use.
void fMain::cboFonts_Click() {
  FontOf(ID_txtSymbol).SetFace(Combo(ID_cboFonts).SelectedText(), kChosenCharSet);
  FontOf(ID_lblPreview).SetFace(Combo(ID_cboFonts).SelectedText(), kChosenCharSet);
  ::SetWindowTextA(Control(ID_lblPreview), Combo(ID_cboFonts).SelectedText().c_str());
  FillSymbolList();
}

void fMain::cboFonts_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == VK_RETURN)
    FontOf(ID_txtSymbol).SetFace(Combo(ID_cboFonts).SelectedText(), kChosenCharSet);
}

// The list is rebuilt on every font change: all 255 rows go in afresh, and the list is drawn
// once at the end, where it changed.
void fMain::FillSymbolList() {
  listChars_.SetReportView();
  listChars_.SetDisplayOptions();
  listChars_.SetHideSelection(false);
  listChars_.SetManualLabelEdit();
  listChars_.Font().SetFace(kListFace, ANSI_CHARSET);
  listChars_.Font().SetPoints(kListPoints);
  listChars_.Font().SetBold(true);

  listChars_.BeginUpdate(kSymbolCount);
  listChars_.Clear();
  for (int code = 1; code <= kSymbolCount; ++code)
    listChars_.Add(std::string(1, static_cast<char>(code)));
  listChars_.EndUpdate();
  listChars_.Refresh();
}

// The code of the first character in the ANSI code page, as a signed 16-bit number.
std::string fMain::GetKeyCode(const std::string& text) {
  if (text.empty()) return {};
  const auto first = static_cast<unsigned char>(text[0]);
  int code = first;
  if (text.size() > 1 && ::IsDBCSLeadByte(first))
    code = static_cast<short>((first << 8) | static_cast<unsigned char>(text[1]));
  return std::to_string(code);
}

void fMain::ListChars_ItemClick() {
  std::string character = listChars_.SelectedText();
  if (character.empty()) return;
  ::SetWindowTextA(Control(ID_lblKeycode), ("<ALT> + 0" + GetKeyCode(character)).c_str());
}

// The edit control counts its selection in characters; in a double-byte code page those are
// not the bytes of the ANSI text, so the selection is cut from the text as characters.
std::pair<DWORD, DWORD> fMain::SymbolSelection() const {
  DWORD from = 0, to = 0;
  ::SendMessageW(Control(ID_txtSymbol), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
  return {from, to};
}

std::string fMain::SelectedSymbolText() const {
  const auto [from, to] = SymbolSelection();
  return win::GetTextRange(Control(ID_txtSymbol), from, to);
}

void fMain::txtSymbol_MouseUp() {
  const auto [from, to] = SymbolSelection();
  if (to == from + 1)  // one character, of one byte or two
    ::SetWindowTextA(Control(ID_lblKeycode),
                     ("<ALT> + 0" + GetKeyCode(win::GetTextRange(Control(ID_txtSymbol), from, to))).c_str());
}

void fMain::cboSize_Click() {
  const win::ComboBox sizes = Combo(ID_cboSize);
  const int chosen = sizes.Selection();
  if (chosen < 0) return;
  // The C runtime's conversion, where a text that is no number gives 0. (MinGW's strtof
  // would link a number parser of its own into the program.)
  const float points = static_cast<float>(std::atof(sizes.Item(chosen).c_str()));
  if (points <= 0) return;  // only the list's whole numbers ever get here
  FontOf(ID_txtSymbol).SetPoints(points);
}

namespace {
bool IsChecked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) != BST_UNCHECKED; }
}  // namespace

void fMain::chkBold_Click() {
  FontOf(ID_txtSymbol).SetBold(IsChecked(Control(ID_chkBold)));
  FontOf(ID_lblPreview).SetBold(FontOf(ID_txtSymbol).attributes().bold);
}

void fMain::chkItalic_Click() {
  FontOf(ID_txtSymbol).SetItalic(IsChecked(Control(ID_chkItalic)));
  FontOf(ID_lblPreview).SetItalic(FontOf(ID_txtSymbol).attributes().italic);
}

void fMain::chkStrikeOut_Click() {
  FontOf(ID_txtSymbol).SetStrikeOut(IsChecked(Control(ID_chkStrikeOut)));
  FontOf(ID_lblPreview).SetStrikeOut(FontOf(ID_txtSymbol).attributes().strikeOut);
}

void fMain::chkUnderline_Click() {
  FontOf(ID_txtSymbol).SetUnderline(IsChecked(Control(ID_chkUnderline)));
  FontOf(ID_lblPreview).SetUnderline(FontOf(ID_txtSymbol).attributes().underline);
}

// The Symbol View's selection, or else the Symbol List's character. Only the view's path
// empties the clipboard first; the list's path leaves data of other formats beside its text.
void fMain::cmdCopy_Click() {
  if (!SelectedSymbolText().empty()) {
    win::Clipboard clipboard(hwnd_);
    clipboard.Empty();
    clipboard.PutText(SelectedSymbolText());
    return;
  }
  std::string character = listChars_.SelectedText();
  if (character.empty()) return;
  win::Clipboard clipboard(hwnd_);
  clipboard.PutText(character);
}
