#include "skin/library/canvas.h"

#include <algorithm>

namespace sorvane::skinlib {

Canvas::Canvas(HDC reference, int width, int height)
    : width_(std::max(width, 1)), height_(std::max(height, 1)) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(reference, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  dc_ = CreateCompatibleDC(reference);
  if (bitmap_ == nullptr || dc_ == nullptr) return;
  oldBitmap_ = SelectObject(dc_, bitmap_);
  bits_ = static_cast<std::uint32_t*>(bits);
  SetBkMode(dc_, TRANSPARENT);
}

Canvas::~Canvas() {
  if (dc_ != nullptr) {
    if (oldBitmap_ != nullptr) SelectObject(dc_, oldBitmap_);
    DeleteDC(dc_);
  }
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

void Canvas::Fill(const RECT& r, const Rgb& colour) {
  if (!ok()) return;
  GdiFlush();
  const std::uint32_t value = (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
  for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, height_); ++y) {
    for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, width_); ++x) {
      bits_[static_cast<std::size_t>(y) * width_ + x] = value;
    }
  }
}

void Canvas::Blend(int x, int y, std::uint32_t argb) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  const std::uint32_t a = argb >> 24;
  if (a == 0) return;
  std::uint32_t& d = bits_[static_cast<std::size_t>(y) * width_ + x];
  if (a == 255) {
    d = argb & 0xFFFFFFu;
    return;
  }
  std::uint32_t out = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const std::uint32_t s = (argb >> shift) & 0xFF;
    const std::uint32_t t = (d >> shift) & 0xFF;
    out |= ((s * a + t * (255 - a) + 127) / 255) << shift;
  }
  d = out;
}

void Canvas::DrawPart(const Image& image, int sx, int sy, int sw, int sh, int dx, int dy, int dw,
                      int dh) {
  if (!ok() || sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  for (int y = 0; y < dh; ++y) {
    const int iy = sy + y * sh / dh;
    for (int x = 0; x < dw; ++x) Blend(dx + x, dy + y, image.At(sx + x * sw / dw, iy));
  }
}

void Canvas::Draw(const Image& image, int x, int y) {
  GdiFlush();
  DrawPart(image, 0, 0, image.width, image.height, x, y, image.width, image.height);
}

void Canvas::DrawSliced(const Image& image, const RECT& r, int slice) {
  GdiFlush();
  const int w = r.right - r.left, h = r.bottom - r.top;
  // A target smaller than the two corners squeezes them: never draw outside r.
  const int sx = std::min(slice, w / 2), sy = std::min(slice, h / 2);
  const int iw = image.width, ih = image.height;
  const int cols[3][4] = {{0, slice, r.left, sx}, {slice, iw - 2 * slice, r.left + sx, w - 2 * sx},
                          {iw - slice, slice, r.right - sx, sx}};
  const int rows[3][4] = {{0, slice, r.top, sy}, {slice, ih - 2 * slice, r.top + sy, h - 2 * sy},
                          {ih - slice, slice, r.bottom - sy, sy}};
  for (const auto& row : rows) {
    for (const auto& col : cols) {
      DrawPart(image, col[0], row[0], col[1], row[1], col[2], row[2], col[3], row[3]);
    }
  }
}

void Canvas::DrawBand(const Image& image, const RECT& r) {
  GdiFlush();
  const int h = r.bottom - r.top;
  for (int x = r.left; x < r.right; x += image.width) {
    const int w = std::min<int>(image.width, r.right - x);
    DrawPart(image, 0, 0, w, image.height, x, r.top, w, h);
  }
}

void Canvas::Shade(const RECT& r, int percent) {
  if (!ok() || percent == 0) return;
  GdiFlush();
  for (int y = std::max<int>(r.top, 0); y < std::min<int>(r.bottom, height_); ++y) {
    for (int x = std::max<int>(r.left, 0); x < std::min<int>(r.right, width_); ++x) {
      std::uint32_t& d = bits_[static_cast<std::size_t>(y) * width_ + x];
      std::uint32_t out = 0;
      for (int shift = 0; shift <= 16; shift += 8) {
        const int c = static_cast<int>((d >> shift) & 0xFF);
        const int moved = percent > 0 ? c + (255 - c) * percent / 100 : c + c * percent / 100;
        out |= static_cast<std::uint32_t>(std::clamp(moved, 0, 255)) << shift;
      }
      d = out;
    }
  }
}

void Canvas::CopyTo(HDC target, const RECT& r) {
  if (!ok()) return;
  GdiFlush();
  BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, dc_, r.left, r.top, SRCCOPY);
}

}  // namespace sorvane::skinlib
