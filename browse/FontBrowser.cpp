#include "browse/FontBrowser.h"

#include <cstdlib>

#include "resources/Palette.h"
#include "win/Clipboard.h"
#include "win/ComboBox.h"
#include "win/Controls.h"
#include "win/System.h"

namespace {
const char kListFace[] = "Ariel";  // handed to the platform as it is; font matching supplies a face
// A face chosen in the font list is drawn in its own character set (a symbol or a Cyrillic
// family may have no ANSI one); the list's own face keeps the ANSI set of the design.
const BYTE kChosenCharSet = DEFAULT_CHARSET;
const float kListPoints = 10.0f;
const int kSymbolCount = 255;

bool IsChecked(HWND box) { return ::SendMessageA(box, BM_GETCHECK, 0, 0) != BST_UNCHECKED; }
}  // namespace

bool FontBrowser::Attach(win::Form& form, const char* columnHeader) {
  form_ = &form;
  viewFont_ = form.Font(ID_txtSymbol);
  previewFont_ = form.Font(ID_lblPreview);
  win::ControlFont* listFont = form.Font(ID_ListChars);
  if (!viewFont_ || !previewFont_ || !listFont) return false;
  symbols_ = mSymbols::InOrder();
  listChars_.Attach(Control(ID_ListChars), *listFont, columnHeader);
  SetListColours();
  return true;
}

void FontBrowser::SetListColours() {
  const win::Scheme& scheme = form_->scheme();
  listChars_.SetColours(scheme.Colour(palette::kField), scheme.Colour(palette::kFieldText));
}

// The common controls are told first, so that nothing of theirs puts colours of their own
// over the design's.
void FontBrowser::ColoursChanged() {
  ::SendMessageA(Control(ID_ListChars), WM_SYSCOLORCHANGE, 0, 0);
  SetListColours();
}

// The text of the font box is read afresh for each use.
void FontBrowser::cboFonts_Click() {
  const win::ComboBox fonts(Control(ID_cboFonts));
  viewFont_->SetFace(fonts.SelectedText(), kChosenCharSet);
  previewFont_->SetFace(fonts.SelectedText(), kChosenCharSet);
  ::SetWindowTextA(Control(ID_lblPreview), fonts.SelectedText().c_str());
  FillSymbolList();
}

void FontBrowser::cboFonts_KeyDown(int keyCode) {
  if (keyCode == VK_RETURN)
    viewFont_->SetFace(win::ComboBox(Control(ID_cboFonts)).SelectedText(), kChosenCharSet);
}

// Code 0 would end the text, so it adds nothing. The view takes the characters in Unicode:
// through the process's code page, UTF-8 on some systems, codes from 128 up would be lost.
void FontBrowser::FillSymbolView() {
  std::vector<wchar_t> text;
  for (const mSymbols::Symbol& symbol : symbols_)
    text.insert(text.end(), symbol.text().begin(), symbol.text().end());
  text.push_back(L'\0');
  ::SetWindowTextW(Control(ID_txtSymbol), text.data());
}

// The list is rebuilt on every font change: all 255 rows go in afresh, and the list is drawn
// once at the end, where it changed.
void FontBrowser::FillSymbolList() {
  listChars_.SetReportView();
  listChars_.SetDisplayOptions();
  listChars_.SetHideSelection(false);
  listChars_.SetManualLabelEdit();
  listChars_.Font().SetFace(kListFace, ANSI_CHARSET);
  listChars_.Font().SetPoints(kListPoints);
  listChars_.Font().SetBold(true);

  listChars_.BeginUpdate(kSymbolCount);
  listChars_.Clear();
  for (int code = 1; code <= kSymbolCount; ++code) listChars_.Add(mSymbols::Of(code));
  listChars_.EndUpdate();
  listChars_.Refresh();
}

// The code of the first character, as a signed 16-bit number: a lead byte of a double-byte
// code page makes one code with the byte after it.
std::string FontBrowser::GetKeyCode(const std::string& code) {
  if (code.empty()) return {};
  const auto first = static_cast<unsigned char>(code[0]);
  int number = first;
  if (code.size() > 1 && ::IsDBCSLeadByteEx(mSymbols::CodePage(), first))
    number = static_cast<short>((first << 8) | static_cast<unsigned char>(code[1]));
  return std::to_string(number);
}

void FontBrowser::ShowKeystroke(const std::string& code) {
  win::Announce(Control(ID_lblKeycode), "<ALT> + 0" + GetKeyCode(code));
}

// The code comes from the character's own row, never back through a code page.
void FontBrowser::ListChars_ItemClick() {
  if (const mSymbols::Symbol* picked = listChars_.Selected()) ShowKeystroke(picked->code);
}

std::pair<DWORD, DWORD> FontBrowser::SymbolSelection() const {
  DWORD from = 0, to = 0;
  ::SendMessageW(Control(ID_txtSymbol), EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                 reinterpret_cast<LPARAM>(&to));
  return {from, to};
}

const mSymbols::Symbol* FontBrowser::SymbolAt(DWORD from, DWORD to) const {
  DWORD at = 0;
  for (const mSymbols::Symbol& symbol : symbols_) {
    const DWORD end = at + static_cast<DWORD>(symbol.text().size());
    if (at == from) return end == to ? &symbol : nullptr;
    if (at > from) break;
    at = end;
  }
  return nullptr;
}

// One character, as the codes that filled the view have it.
void FontBrowser::txtSymbol_MouseUp() {
  const auto [from, to] = SymbolSelection();
  if (const mSymbols::Symbol* picked = SymbolAt(from, to)) ShowKeystroke(picked->code);
}

void FontBrowser::cboSize_Click() {
  const win::ComboBox sizes(Control(ID_cboSize));
  const int chosen = sizes.Selection();
  if (chosen < 0) return;
  // The C runtime's conversion, where a text that is no number gives 0. (MinGW's strtof
  // would link a number parser of its own into the program.)
  const float points = static_cast<float>(std::atof(sizes.Item(chosen).c_str()));
  if (points <= 0) return;  // only the list's whole numbers ever get here
  viewFont_->SetPoints(points);
}

// The style goes to the Symbol View, and as the view now has it to the preview.
void FontBrowser::ApplyStyle(int box, void (win::ControlFont::*set)(bool),
                             bool win::FontSpec::*flag) {
  (viewFont_->*set)(IsChecked(Control(box)));
  (previewFont_->*set)(viewFont_->attributes().*flag);
}

void FontBrowser::chkBold_Click() {
  ApplyStyle(ID_chkBold, &win::ControlFont::SetBold, &win::FontSpec::bold);
}

void FontBrowser::chkItalic_Click() {
  ApplyStyle(ID_chkItalic, &win::ControlFont::SetItalic, &win::FontSpec::italic);
}

void FontBrowser::chkStrikeOut_Click() {
  ApplyStyle(ID_chkStrikeOut, &win::ControlFont::SetStrikeOut, &win::FontSpec::strikeOut);
}

void FontBrowser::chkUnderline_Click() {
  ApplyStyle(ID_chkUnderline, &win::ControlFont::SetUnderline, &win::FontSpec::underline);
}

// The Symbol View's selection, or else the Symbol List's character, as Unicode text and as
// text of the process's code page, each the same text. The view's path empties the clipboard
// first; the list's path leaves a picture that another program put there beside its text,
// and nothing else: a program that pastes rich text first would paste what was there before.
void FontBrowser::cmdCopy_Click() {
  const auto [from, to] = SymbolSelection();
  const std::vector<wchar_t> range = win::GetTextRange(Control(ID_txtSymbol), from, to);
  const std::wstring_view selected(range.data(), range.size() - 1);
  if (!selected.empty()) {
    win::Clipboard clipboard(form_->hwnd());
    clipboard.Empty();
    clipboard.PutText(selected);
    return;
  }
  const mSymbols::Symbol* picked = listChars_.Selected();
  if (!picked || picked->text().empty()) return;
  win::Clipboard clipboard(form_->hwnd());
  clipboard.EmptyKeepingPictures();
  clipboard.PutText(picked->text());
}

LRESULT FontBrowser::cboFonts_Hook(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp,
                                   LPARAM lp) {
  if (msg == WM_GETDLGCODE && lp) {
    // The dialog manager swallows Enter unless the control asks for it.
    const MSG* key = reinterpret_cast<const MSG*>(lp);
    LRESULT code = hook.CallNext(hwnd, msg, wp, lp);
    if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
  }
  // With Alt held, Enter comes as a system key.
  if (msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) cboFonts_KeyDown(static_cast<int>(wp));
  return Combo_Hook(hook, hwnd, msg, wp, lp);
}

// Both combo boxes: a flat frame over the control's own.
LRESULT FontBrowser::Combo_Hook(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp,
                                LPARAM lp) {
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  if (msg == WM_PAINT) win::ComboBox(hwnd).PaintFlatFrame(form_->scheme().Brush(palette::kField));
  return result;
}

// Wine difference: Wine's multi-line edit scrolls its lines with ScrollWindowEx clipped to
// its formatting rectangle, which ends at the last whole line, and Wine 8 copies pixels past
// that clip without marking them for repainting: after a jump of more than a page the rows
// under the last whole line show pixels of the panel above or below the view. (A plain
// edit in a plain window does the same; Windows keeps to the clip.) Once the view has
// moved, the rows above and below its lines are drawn again; only under Wine, where it costs
// two more messages for each of the view's.
static void RepaintOutsideLines(const win::Subclass& hook, HWND edit) {
  RECT client, lines;
  ::GetClientRect(edit, &client);
  hook.CallNext(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&lines));
  const RECT above{client.left, client.top, client.right, lines.top};
  const RECT below{client.left, lines.bottom, client.right, client.bottom};
  for (const RECT& band : {above, below})
    if (band.bottom > band.top) ::InvalidateRect(edit, &band, TRUE);
}

LRESULT FontBrowser::txtSymbol_Hook(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp,
                                    LPARAM lp) {
  if (msg == WM_RBUTTONUP) txtSymbol_MouseUp();  // before the edit's context menu takes over
  static const bool wine = win::RunsOnWine();
  const LRESULT firstLine = wine ? hook.CallNext(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0) : 0;
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  if (wine && hook.CallNext(hwnd, EM_GETFIRSTVISIBLELINE, 0, 0) != firstLine)
    RepaintOutsideLines(hook, hwnd);
  if (msg == WM_LBUTTONUP || msg == WM_MBUTTONUP || msg == WM_XBUTTONUP)
    txtSymbol_MouseUp();  // the edit has ended the selection
  return result;
}

LRESULT FontBrowser::ListChars_Hook(const win::Subclass& hook, HWND hwnd, UINT msg, WPARAM wp,
                                    LPARAM lp) {
  if (msg != WM_KEYDOWN) return hook.CallNext(hwnd, msg, wp, lp);
  listKeyboard_ = true;
  LRESULT result = hook.CallNext(hwnd, msg, wp, lp);
  listKeyboard_ = false;
  return result;
}

UINT FontBrowser::ListChars_Notice(const NMHDR& header, LRESULT& answer) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      listChars_.OnGetDisplayInfo(
          const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)));
      return 0;
    case LVN_ODFINDITEMW:
      answer = listChars_.OnFindItem(reinterpret_cast<const NMLVFINDITEMW&>(header));
      return 0;
    case NM_CLICK:
    case NM_DBLCLK:  // a double-click is a click too, on a row
      return reinterpret_cast<const NMITEMACTIVATE&>(header).iItem >= 0 &&
                     listChars_.SelectedIndex() >= 0
                 ? NM_CLICK
                 : 0;
    case LVN_ITEMCHANGED: {
      // A row chosen with the keyboard counts as a click on it.
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      return listKeyboard_ && (change.uNewState & LVIS_SELECTED) &&
                     !(change.uOldState & LVIS_SELECTED)
                 ? NM_CLICK
                 : 0;
    }
  }
  return 0;
}
