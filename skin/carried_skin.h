// The skin that Sorvane carries and writes out as skinh.she at every start: generated at build time
// from skin/default_skin.txt by skin/tools/make_skin.py (format: skin/FORMAT.md).
#pragma once

#include <cstddef>

namespace sorvane::skin {

extern const unsigned char kCarriedSkin[];
extern const std::size_t kCarriedSkinSize;  // 17,933 bytes, beginning with ".SHE"

}  // namespace sorvane::skin
