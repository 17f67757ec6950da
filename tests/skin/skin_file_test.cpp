// The skin-file reader on the carried skin and on damaged copies of it.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "skin/carried_skin.h"
#include "skin/format/skin_file.h"

namespace sorvane::skin::format {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Carried() { return Bytes(kCarriedSkin, kCarriedSkin + kCarriedSkinSize); }

std::uint32_t U32(const Bytes& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
void Put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Where the section-table entry of a tag is (the entry, not the section).
std::size_t EntryOf(const Bytes& b, const char* tag) {
  const std::size_t table = U32(b, 12);
  const std::size_t count = b[16] | (b[17] << 8);
  for (std::size_t i = 0; i < count; ++i) {
    if (std::memcmp(&b[table + i * 12], tag, 4) == 0) return table + i * 12;
  }
  ADD_FAILURE() << "no section " << tag;
  return 0;
}
std::size_t SectionOf(const Bytes& b, const char* tag) { return U32(b, EntryOf(b, tag) + 4); }

std::optional<Skin> Parse(const Bytes& b, std::string* problem = nullptr) {
  return ParseSkin(b.data(), b.size(), problem);
}

TEST(CarriedSkin, IsExactly17933BytesBeginningWithTheMagic) {
  ASSERT_EQ(kCarriedSkinSize, 17933u);
  EXPECT_EQ(std::memcmp(kCarriedSkin, ".SHE", 4), 0);
}

TEST(CarriedSkin, ReadsAsAWholeSkinWithTheSourceValues) {
  std::string problem;
  const std::optional<Skin> skin = Parse(Carried(), &problem);
  ASSERT_TRUE(skin) << problem;
  EXPECT_EQ(skin->name, "Slate");
  // Spot checks against skin/default_skin.txt.
  EXPECT_EQ(skin->colour(Colour::kWindowBackground), (Rgb{0xED, 0xF1, 0xF6}));
  EXPECT_EQ(skin->colour(Colour::kMenuLine), (Rgb{0xB9, 0xC6, 0xD4}));
  EXPECT_EQ(skin->metric(Metric::kCaptionFontWeight), 700);
  EXPECT_EQ(skin->metric(Metric::kFrameBorder), 1);
  ASSERT_FALSE(skin->fonts.empty());
  EXPECT_EQ(skin->fonts.front(), "Microsoft YaHei");
  const Image& check = skin->image(ImageId::kCheckOn);
  EXPECT_EQ(check.width, 13);
  EXPECT_EQ(check.height, 13);
  // The ticked box differs from the plain one only where the tick is.
  EXPECT_NE(check.pixels, skin->image(ImageId::kCheckOff).pixels);
  // The caption gradient: solid, lighter at the top than at the bottom.
  const Image& caption = skin->image(ImageId::kCaptionActive);
  EXPECT_EQ(caption.At(0, 10) >> 24, 0xFFu);
  EXPECT_GT(caption.At(0, 2) & 0xFF, caption.At(0, caption.height - 1) & 0xFF);
}

TEST(CarriedSkin, ItsPaddingIsTheDeclaredFillSectionAndSmall) {
  const Bytes b = Carried();
  const std::size_t fill = EntryOf(b, "FILL");
  const std::size_t size = U32(b, fill + 8);
  EXPECT_LT(size, 1024u) << "most of the file should be real content";
  EXPECT_EQ(U32(b, fill + 4) + size, b.size());
}

TEST(SkinFile, RefusesEveryTruncation) {
  const Bytes whole = Carried();
  for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{4}, std::size_t{31},
                             std::size_t{32}, std::size_t{100}, whole.size() / 2, whole.size() - 1}) {
    Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
    EXPECT_FALSE(Parse(cut)) << "length " << length;
    // Also when the header is made to agree with the shorter length: the sections now run past it.
    if (length >= kHeaderSize) {
      Put32(cut, 8, static_cast<std::uint32_t>(length));
      EXPECT_FALSE(Parse(cut)) << "length " << length << " with a matching header";
    }
  }
  EXPECT_FALSE(ParseSkin(nullptr, 100));
}

TEST(SkinFile, RefusesDamagedFiles) {
  struct Case {
    const char* what;
    void (*damage)(Bytes&);
  };
  const Case cases[] = {
      {"wrong magic", [](Bytes& b) { b[1] = 'X'; }},
      {"unknown version", [](Bytes& b) { Put16(b, 4, 2); }},
      {"header size below 32", [](Bytes& b) { Put16(b, 6, 16); }},
      {"file size field off by one", [](Bytes& b) { Put32(b, 8, U32(b, 8) + 1); }},
      {"no sections", [](Bytes& b) { Put16(b, 16, 0); }},
      {"table entry size", [](Bytes& b) { Put16(b, 18, 16); }},
      {"table past the end", [](Bytes& b) { Put32(b, 12, static_cast<std::uint32_t>(b.size() - 8)); }},
      {"table inside the header", [](Bytes& b) { Put32(b, 12, 8); }},
      {"section offset past the end", [](Bytes& b) { Put32(b, EntryOf(b, "COLR") + 4, 0xFFFFFFF0u); }},
      {"section size past the end", [](Bytes& b) { Put32(b, EntryOf(b, "IMAG") + 8, 0x7FFFFFFFu); }},
      {"section over the table", [](Bytes& b) { Put32(b, EntryOf(b, "METR") + 4, 32); }},
      {"overlapping sections",  // the reserved space moved back into the last four pixel bytes
       [](Bytes& b) { Put32(b, EntryOf(b, "FILL") + 4, U32(b, EntryOf(b, "FILL") + 4) - 4); }},
      {"required section renamed", [](Bytes& b) { b[EntryOf(b, "FONT")] = 'X'; }},
      {"section twice", [](Bytes& b) { std::memcpy(&b[EntryOf(b, "FILL")], "COLR", 4); }},
      {"too few colours", [](Bytes& b) { Put16(b, SectionOf(b, "COLR"), 15); }},
      {"colour count past the section", [](Bytes& b) { Put16(b, SectionOf(b, "COLR"), 400); }},
      {"metric out of range", [](Bytes& b) { Put16(b, SectionOf(b, "METR") + 4 + 2 * 11, 9); }},
      {"negative metric", [](Bytes& b) { Put16(b, SectionOf(b, "METR") + 4, 0xFFFF); }},
      {"font list not terminated",
       [](Bytes& b) {
         const std::size_t at = SectionOf(b, "FONT"), size = U32(b, EntryOf(b, "FONT") + 8);
         std::memset(&b[at], 'A', size);
       }},
      {"no font", [](Bytes& b) { b[SectionOf(b, "FONT")] = 0; }},
      {"non-ASCII font name", [](Bytes& b) { b[SectionOf(b, "FONT")] = 0xB0; }},
      {"image directory past the section", [](Bytes& b) { Put16(b, SectionOf(b, "IMAG"), 5000); }},
      {"image pixels past the section",
       [](Bytes& b) { Put32(b, SectionOf(b, "IMAG") + 4 + 8, 0x00FFFFFFu); }},
      {"image pixels inside the directory", [](Bytes& b) { Put32(b, SectionOf(b, "IMAG") + 4 + 8, 4); }},
      {"image of width 0", [](Bytes& b) { Put16(b, SectionOf(b, "IMAG") + 4 + 2, 0); }},
      {"image wider than 256", [](Bytes& b) { Put16(b, SectionOf(b, "IMAG") + 4 + 2, 257); }},
      {"image id twice", [](Bytes& b) { Put16(b, SectionOf(b, "IMAG") + 4 + 12, 0); }},
      {"image missing (id moved beyond the known ones)",
       [](Bytes& b) { Put16(b, SectionOf(b, "IMAG") + 4 + 12 * 19, 40); }},
      {"button slice wider than the button image",
       [](Bytes& b) { Put16(b, SectionOf(b, "METR") + 4 + 2 * 6, 6); }},
  };
  for (const Case& c : cases) {
    Bytes b = Carried();
    c.damage(b);
    std::string problem;
    EXPECT_FALSE(Parse(b, &problem)) << c.what;
    EXPECT_FALSE(problem.empty()) << c.what;
  }
}

TEST(SkinFile, SkipsSectionsOfLaterVersions) {
  Bytes b = Carried();
  std::memcpy(&b[EntryOf(b, "FILL")], "NEWS", 4);
  EXPECT_TRUE(Parse(b));
}

// Random damage never makes the reader read out of bounds (ASan in the native build) or crash.
TEST(SkinFile, SurvivesRandomDamage) {
  std::uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  int refused = 0;
  for (int round = 0; round < 3000; ++round) {
    Bytes b = Carried();
    const int flips = 1 + static_cast<int>(next() % 4);
    for (int i = 0; i < flips; ++i) {
      // Mostly the structural part at the front, where damage matters.
      const std::size_t at = (next() >> 8) % (round % 2 ? b.size() : 0x160);
      b[at] = static_cast<std::uint8_t>(next() >> 16);
    }
    if (!Parse(b)) ++refused;
  }
  EXPECT_GT(refused, 0);
}

}  // namespace
}  // namespace sorvane::skin::format
