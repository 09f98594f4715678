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

}  // namespace harness
