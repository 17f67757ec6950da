// Reads a skin file (.she, described in skin/FORMAT.md) into checked, ready-to-draw values.
// Platform-free: no Windows header, so it runs in the native tests and under the fuzzer.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sorvane::skin::format {

// Slots of the COLR section, in file order (skin/tools/make_skin.py holds the same list).
enum class Colour : std::size_t {
  kWindowBackground, kText, kTextDisabled, kCaptionTextActive, kCaptionTextInactive,
  kCaptionShadowActive, kCaptionShadowInactive, kFrameActive, kFrameInactive,
  kFrameFillActive, kFrameFillInactive, kButtonText, kFocus, kMenuText, kMenuTextHot, kMenuLine,
  kCount
};

// Slots of the METR section, with the range each value must lie in.
enum class Metric : std::size_t {
  kCaptionTextIndent, kCaptionFontHeight, kCaptionFontWeight, kCloseWidth, kCloseHeight,
  kCloseRightMargin, kButtonSlice, kCheckSize, kCheckGap, kMenuItemPadding, kTextPressedOffset,
  kFrameBorder, kCaptionTextShadow,
  kCount
};

// Image ids of the IMAG section.
enum class ImageId : std::size_t {
  kCaptionActive, kCaptionInactive, kCloseNormal, kCloseHot, kClosePressed, kCloseInactive,
  kButtonNormal, kButtonHot, kButtonPressed, kButtonDisabled, kCheckOff, kCheckOffHot,
  kCheckOffPressed, kCheckOffDisabled, kCheckOn, kCheckOnHot, kCheckOnPressed, kCheckOnDisabled,
  kMenubar, kMenuItemHot,
  kCount
};

constexpr std::size_t kColourCount = static_cast<std::size_t>(Colour::kCount);
constexpr std::size_t kMetricCount = static_cast<std::size_t>(Metric::kCount);
constexpr std::size_t kImageCount = static_cast<std::size_t>(ImageId::kCount);
constexpr std::size_t kHeaderSize = 32;
constexpr std::size_t kMaxFileSize = 4u << 20;
constexpr int kMaxImageSide = 256;

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Pixels row by row from the top, each 0xAARRGGBB with straight (not premultiplied) alpha.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct Skin {
  std::string name;
  std::array<Rgb, kColourCount> colours;
  std::array<int, kMetricCount> metrics{};
  std::vector<std::string> fonts;  // caption font faces, in order of preference
  std::array<Image, kImageCount> images;

  const Rgb& colour(Colour c) const { return colours[static_cast<std::size_t>(c)]; }
  int metric(Metric m) const { return metrics[static_cast<std::size_t>(m)]; }
  const Image& image(ImageId id) const { return images[static_cast<std::size_t>(id)]; }
};

// The skin in these bytes, or nothing when they are not a complete, consistent skin file; then
// *problem (when given) says what is wrong. Never reads outside data[0, size).
std::optional<Skin> ParseSkin(const std::uint8_t* data, std::size_t size,
                              std::string* problem = nullptr);

}  // namespace sorvane::skin::format
