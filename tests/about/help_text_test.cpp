#include "ui/help_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Hex(std::string_view bytes) {
  static const char digits[] = "0123456789abcdef";
  std::string out;
  for (unsigned char c : bytes) {
    out += digits[c >> 4];
    out += digits[c & 15];
  }
  return out;
}

// The instruction text as code page 936 bytes, written down independently of the compiler's
// charset conversion (from iconv -f UTF-8 -t CP936).
constexpr char kExpectedHex[] =
    "0d0a5bb9a6c4dc5d0d0a0d0a312eb6c1c8a1d5fbb8f6c4bfc2bcc0efb5c4cec4bcfec3fba1a30d0a0d0a322ebfc9"
    "d2d4c9e8d6c3cac7b7f1b4f8baf3d7bac3fba1a30d0a0d0a332ebfc9d2d4c9e8d6c3cac7b7f1bcd3c9cfd0f2bac5"
    "a1a30d0a0d0a342ec1edb4e6ceaacec4b1becec4bcfea1a30d0a0d0a0d0a5bd3c3cdbe5d0d0a0d0ab5b1d0e8d2aa"
    "b0d1b6e0b8f6cec4bcfed7f6d2bbb8f6cec4b1bec4bfc2bcb5c4cab1baf2a1a30d0ac3e2c8a5c1cbd2bbb8f6b8f6"
    "c8a5c7c3b4f2b5c4c2e9b7b3a1b10d0a0d0abbb9d3d0badcb6e0d3c3b4a6a3acbecdb2bbd2bbd2bbbed9c0fdc1cb"
    "a1a3";

TEST(HelpText, IsExactlyTheInstructionBytes) {
  const std::string_view text = sorvane::ui::kHelpText;
  EXPECT_EQ(text.size(), 232u);
  EXPECT_EQ(Hex(text), kExpectedHex);
}

}  // namespace
