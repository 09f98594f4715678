#include "win/PictureButton.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "win/Controls.h"

namespace win {

namespace {

// A top-down 32-bit DIB of the given size.
BITMAPINFO Header32(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

struct Pixel {
  float b, g, r, a;  // premultiplied
};

// Reads a bitmap as premultiplied pixels, top row first; mask-coloured pixels are clear.
std::vector<Pixel> ReadPixels(HBITMAP bitmap, int width, int height, const COLORREF* mask) {
  BITMAPINFO info = Header32(width, height);
  std::vector<RGBQUAD> raw(static_cast<size_t>(width) * height);
  WindowDC screen(nullptr);
  ::GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(height), raw.data(), &info,
              DIB_RGB_COLORS);
  std::vector<Pixel> pixels(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    const RGBQUAD& q = raw[i];
    const bool clear = mask && RGB(q.rgbRed, q.rgbGreen, q.rgbBlue) == *mask;
    pixels[i] = clear ? Pixel{0, 0, 0, 0}
                      : Pixel{float(q.rgbBlue), float(q.rgbGreen), float(q.rgbRed), 255};
  }
  return pixels;
}

// Area-averaging resample: each new pixel is the mean of the old area it covers.
std::vector<Pixel> Resample(const std::vector<Pixel>& from, int w, int h, int newW, int newH) {
  std::vector<Pixel> to(static_cast<size_t>(newW) * newH);
  const float sx = float(w) / newW, sy = float(h) / newH;
  for (int y = 0; y < newH; ++y) {
    for (int x = 0; x < newW; ++x) {
      const float x0 = x * sx, x1 = (x + 1) * sx, y0 = y * sy, y1 = (y + 1) * sy;
      Pixel sum{0, 0, 0, 0};
      float area = 0;
      for (int v = int(y0); v < h && v < y1; ++v) {
        const float dy = std::min(y1, v + 1.0f) - std::max(y0, float(v));
        for (int u = int(x0); u < w && u < x1; ++u) {
          const float weight = dy * (std::min(x1, u + 1.0f) - std::max(x0, float(u)));
          const Pixel& p = from[static_cast<size_t>(v) * w + u];
          sum.b += p.b * weight, sum.g += p.g * weight, sum.r += p.r * weight,
              sum.a += p.a * weight;
          area += weight;
        }
      }
      if (area > 0) sum = {sum.b / area, sum.g / area, sum.r / area, sum.a / area};
      to[static_cast<size_t>(y) * newW + x] = sum;
    }
  }
  return to;
}

}  // namespace

Picture::Picture(HINSTANCE instance, int resourceId, int dpi, const COLORREF* mask) {
  UniqueBitmap source(static_cast<HBITMAP>(::LoadImageA(instance, MAKEINTRESOURCEA(resourceId),
                                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  if (!source || !::GetObjectA(source.get(), sizeof info, &info)) return;
  std::vector<Pixel> pixels = ReadPixels(source.get(), info.bmWidth, info.bmHeight, mask);
  // Premultiplied colour averages without letting a clear pixel's colour bleed in.
  for (Pixel& p : pixels) p = {p.b * p.a / 255, p.g * p.a / 255, p.r * p.a / 255, p.a};
  const int w = ::MulDiv(info.bmWidth, dpi, 96), h = ::MulDiv(info.bmHeight, dpi, 96);
  if (w != info.bmWidth || h != info.bmHeight)
    pixels = Resample(pixels, info.bmWidth, info.bmHeight, w, h);

  BITMAPINFO header = Header32(w, h);
  void* bits = nullptr;
  UniqueBitmap scaled(::CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!scaled || !bits) return;
  auto* out = static_cast<RGBQUAD*>(bits);
  auto byte = [](float v) { return static_cast<BYTE>(std::lround(std::clamp(v, 0.0f, 255.0f))); };
  for (size_t i = 0; i < pixels.size(); ++i)
    out[i] = RGBQUAD{byte(pixels[i].b), byte(pixels[i].g), byte(pixels[i].r), byte(pixels[i].a)};
  bitmap_ = std::move(scaled);
  width_ = w;
  height_ = h;
}

void Picture::Draw(HDC dc, int x, int y) const {
  if (!bitmap_) return;
  UniqueMemoryDC memory(::CreateCompatibleDC(dc));
  Selected selected(memory.get(), bitmap_.get());  // put back before the DC goes
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  ::GdiAlphaBlend(dc, x, y, width_, height_, memory.get(), 0, 0, width_, height_, blend);
}

void DrawPictureButton(const DRAWITEMSTRUCT& item, const Picture& picture) {
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

  const int picWidth = picture.width(), picHeight = picture.height();
  const int offset = pushed ? 1 : 0;
  // The caption sits at the bottom; the picture is centred in the room above it, and where
  // the room is short it starts at the top and the caption is drawn over its margin.
  const int margin = 3;
  RECT captionRect{face.left + 4 + offset, face.bottom - margin - textHeight + offset,
                   face.right - 4 + offset, face.bottom - margin + offset};
  int room = captionRect.top - offset - face.top;
  int top =
      face.top + (room > picHeight + 2 * margin ? (room - picHeight) / 2 : margin - 1) + offset;
  picture.Draw(dc, face.left + (face.right - face.left - picWidth) / 2 + offset, top);

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
