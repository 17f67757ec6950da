// An off-screen 32-bit picture that the skin's images are composed on (with their alpha), that GDI
// writes text on, and that is then copied to the window in one piece, so nothing flickers.
#pragma once

#include <windows.h>

#include <cstdint>

#include "skin/format/skin_file.h"

namespace sorvane::skinlib {

namespace format = skin::format;

using format::Image;
using format::Rgb;

inline COLORREF ToColorRef(const Rgb& c) { return RGB(c.r, c.g, c.b); }

class Canvas {
 public:
  Canvas(HDC reference, int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  bool ok() const { return bits_ != nullptr; }
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Fill(const RECT& r, const Rgb& colour);
  // The image at its own size, top-left at x, y.
  void Draw(const Image& image, int x, int y);
  // The image fitted into r: corners of `slice` pixels kept, edges and middle stretched.
  void DrawSliced(const Image& image, const RECT& r, int slice);
  // The image repeated across r and stretched to r's height.
  void DrawBand(const Image& image, const RECT& r);
  // Every pixel of r made lighter (percent > 0) or darker (percent < 0).
  void Shade(const RECT& r, int percent);
  // Copies the part r of the canvas to the same place on target.
  void CopyTo(HDC target, const RECT& r);

 private:
  void Blend(int x, int y, std::uint32_t argb);
  // Draws the source rectangle (sx, sy, sw, sh) of the image stretched onto (dx, dy, dw, dh).
  void DrawPart(const Image& image, int sx, int sy, int sw, int sh, int dx, int dy, int dw, int dh);

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;  // 0x00RRGGBB, rows from the top
  int width_ = 0;
  int height_ = 0;
};

}  // namespace sorvane::skinlib
