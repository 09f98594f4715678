#include "win/PictureButton.h"

#include <commctrl.h>

#include "win/Controls.h"

namespace win {

UniqueImageList LoadPicture(HINSTANCE instance, int resourceId, COLORREF mask, bool masked) {
  UniqueBitmap bitmap(static_cast<HBITMAP>(
      ::LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap.get(), sizeof info, &info)) return {};
  UniqueImageList list(
      ::ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLOR24 | (masked ? ILC_MASK : 0), 1, 0));
  if (!list) return {};
  if (masked)
    ::ImageList_AddMasked(list.get(), bitmap.get(), mask);
  else
    ::ImageList_Add(list.get(), bitmap.get(), nullptr);
  return list;
}

void DrawPictureButton(const DRAWITEMSTRUCT& item, HIMAGELIST picture) {
  HDC dc = item.hDC;
  RECT face = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  const std::string caption = GetText(item.hwndItem);
  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  Selected selected(dc, font ? font : ::GetStockObject(DEFAULT_GUI_FONT));
  RECT text{face.left + 4, 0, face.right - 4, 0};
  ::DrawTextA(dc, caption.c_str(), -1, &text, DT_CALCRECT | DT_CENTER | DT_WORDBREAK);
  int textHeight = text.bottom - text.top;

  int picWidth = 0, picHeight = 0;
  if (picture) ::ImageList_GetIconSize(picture, &picWidth, &picHeight);
  const int offset = pushed ? 1 : 0;
  // The caption sits at the bottom; the picture is centred in the room above it, and where
  // the room is short it starts at the top and the caption is drawn over its margin.
  const int margin = 3;
  RECT captionRect{face.left + 4 + offset, face.bottom - margin - textHeight + offset,
                   face.right - 4 + offset, face.bottom - margin + offset};
  int room = captionRect.top - offset - face.top;
  int top = face.top + (room > picHeight + 2 * margin ? (room - picHeight) / 2 : margin - 1) + offset;
  if (picture)
    ::ImageList_Draw(picture, 0, dc, face.left + (face.right - face.left - picWidth) / 2 + offset,
                     top, ILD_NORMAL);

  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
  UINT flags = DT_CENTER | DT_WORDBREAK | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
  ::DrawTextA(dc, caption.c_str(), -1, &captionRect, flags);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = face;
    ::InflateRect(&focus, -4, -4);
    ::DrawFocusRect(dc, &focus);
  }
}

bool IsPushButton(HWND window) {
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (::lstrcmpiA(name, WC_BUTTONA) != 0) return false;
  LONG_PTR type = ::GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

}  // namespace win
