// libFuzzer target: any bytes as a skin file. The reader must refuse or accept without reading out
// of bounds, and what it accepts must be safe to draw.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "skin/format/skin_file.h"

using namespace sorvane::skin::format;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto skin = ParseSkin(data, size);
  if (!skin) return 0;
  for (const Image& image : skin->images) {
    if (image.width < 1 || image.height < 1 || image.width > kMaxImageSide ||
        image.height > kMaxImageSide ||
        image.pixels.size() != static_cast<std::size_t>(image.width) * image.height) {
      abort();
    }
  }
  if (skin->fonts.empty()) abort();
  return 0;
}
