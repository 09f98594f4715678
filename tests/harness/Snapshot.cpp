#include "tests/harness/Snapshot.h"

#include <numeric>

namespace harness {

Snapshot SnapshotOf(const Program& program) {
  auto read = [](HWND c) {
    const LOGFONTA f = FontOf(c);
    return Snapshot::Control(BoxOf(c), ::IsWindowVisible(c) != FALSE, ::IsWindowEnabled(c) != FALSE,
                             Text(c), f.lfFaceName, StyleLetters(f), f.lfHeight, f.lfWeight,
                             ::SendMessageA(c, BM_GETCHECK, 0, 0));
  };
  Snapshot s;
  s.controls[0] = read(program.window());
  for (int id = fMain::ID_picInterface; id <= fMain::ID_Last; ++id)
    s.controls[id] = read(program[id]);
  s.windows = VisibleWindows(nullptr);
  s.font = ComboSelection(program[fMain::ID_cboFonts]);
  s.size = ComboSelection(program[fMain::ID_cboSize]);
  HWND list = program[fMain::ID_ListChars];
  s.row = ListSelection(list);
  for (int i = 0; i < ListCount(list); ++i) s.rows.push_back(ListItem(list, i));
  return s;
}

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
  out << "windows " << testing::PrintToString(s.windows) << "; chosen: font " << s.font << ", size "
      << s.size << ", row " << s.row << " of "
      << testing::PrintToString(std::accumulate(s.rows.begin(), s.rows.end(), std::wstring()));
  for (const auto& [id, c] : s.controls)
    out << "\n  " << id << ": " << c.box << (c.visible ? "" : " hidden")
        << (c.enabled ? "" : " disabled") << " \"" << c.text << "\" in \"" << c.face << "\" "
        << c.height << ", weight " << c.weight << ", \"" << c.flags << "\"; check " << c.check;
  return out;
}

testing::AssertionResult HasTheSymbolRows(HWND list) {
  if (ListCount(list) != 255) return testing::AssertionFailure() << ListCount(list) << " rows";
  for (int i = 0; i < 255; ++i)
    if (ListItem(list, i) != CodeCharacter(i + 1))
      return testing::AssertionFailure()
             << "row " << i << ": " << testing::PrintToString(ListItem(list, i));
  if (testing::AssertionResult font = HasFont(list, "Ariel", -13, FW_BOLD, ""); !font) return font;
  if (FontOf(list).lfCharSet == ANSI_CHARSET) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "character set " << int(FontOf(list).lfCharSet);
}

const std::vector<Expected> kOneRebuild = {{LVM_SETITEMSTATE, true}, {LVM_ENSUREVISIBLE, true},
                                           {LVM_SCROLL, true},       {LVM_DELETEALLITEMS, true},
                                           {LVM_SETITEMCOUNT, true}, {LVM_SETSELECTIONMARK}};

}  // namespace harness
