// Choosing a font, the Symbol List, the keystroke of a character, style and size, and the
// clipboard copy.
#include <cstdlib>
#include <string>

#include "shell/fMain.h"
#include "win/Clipboard.h"
#include "win/Controls.h"

namespace {
const char kListFace[] = "Ariel";  // handed to the platform as it is; font matching supplies a face
const float kListPoints = 10.0f;
const int kSymbolCount = 255;
}  // namespace

std::string fMain::SelectedFontName() const {
  HWND combo = Control(ID_cboFonts);
  LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return win::GetText(combo);
  LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length <= 0) return {};
  std::string name(static_cast<size_t>(length) + 1, '\0');
  length = ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(name.data()));
  name.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return name;
}

void fMain::cboFonts_Click() {
  FontOf(ID_txtSymbol).SetFace(SelectedFontName());
  FontOf(ID_lblPreview).SetFace(SelectedFontName());
  ::SetWindowTextA(Control(ID_lblPreview), SelectedFontName().c_str());
  FillSymbolList();
}

void fMain::cboFonts_KeyDown(int keyCode, int /*shift*/) {
  if (keyCode == VK_RETURN) FontOf(ID_txtSymbol).SetFace(SelectedFontName());
}

// The list is rebuilt on every font change: all 255 rows go in afresh, and the list is drawn
// once at the end, where it changed.
void fMain::FillSymbolList() {
  listChars_.SetReportView();
  listChars_.SetDisplayOptions();
  listChars_.SetHideSelection(false);
  listChars_.SetManualLabelEdit();
  listChars_.Font().SetFace(kListFace);
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

std::string fMain::SelectedSymbolText() const {
  HWND view = Control(ID_txtSymbol);
  DWORD start = 0, end = 0;
  ::SendMessageA(view, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  if (end <= start) return {};
  return win::GetText(view).substr(start, end - start);
}

void fMain::txtSymbol_MouseUp() {
  std::string selected = SelectedSymbolText();
  if (selected.size() == 1)
    ::SetWindowTextA(Control(ID_lblKeycode), ("<ALT> + 0" + GetKeyCode(selected)).c_str());
}

void fMain::cboSize_Click() {
  HWND combo = Control(ID_cboSize);
  LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (index == CB_ERR) return;
  char text[16] = {};
  if (::SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) >= LRESULT(sizeof text)) return;
  ::SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text));
  // The C runtime's conversion, where a text that is no number gives 0. (MinGW's strtof
  // would link a number parser of its own into the program.)
  const float points = static_cast<float>(std::atof(text));
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
