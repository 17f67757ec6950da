#include "skin/format/skin_file.h"

#include <algorithm>

namespace sorvane::skin::format {
namespace {

constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kEntrySize = 12;
constexpr std::size_t kMaxSections = 64;
constexpr std::size_t kMaxFontName = 31;

struct Range {
  int low, high;
};
// Indexed by Metric.
constexpr std::array<Range, kMetricCount> kMetricRanges = {{
    {0, 64},     // caption text indent
    {6, 48},     // caption font height
    {100, 900},  // caption font weight
    {4, 64},     // close width
    {4, 64},     // close height
    {0, 32},     // close right margin
    {0, 32},     // button slice
    {6, 32},     // check size
    {0, 32},     // check gap
    {0, 64},     // menu item padding
    {0, 4},      // text pressed offset
    {0, 4},      // frame border
    {0, 3},      // caption text shadow
}};

// A bounded view of the file's bytes: every read is checked against the end.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::size_t size() const { return size_; }
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= size_ && count <= size_ - offset;
  }
  std::uint8_t U8(std::size_t at) const { return data_[at]; }
  std::uint16_t U16(std::size_t at) const {
    return static_cast<std::uint16_t>(data_[at] | (data_[at + 1] << 8));
  }
  std::uint32_t U32(std::size_t at) const {
    return static_cast<std::uint32_t>(data_[at]) | (static_cast<std::uint32_t>(data_[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data_[at + 2]) << 16) |
           (static_cast<std::uint32_t>(data_[at + 3]) << 24);
  }
  Bytes Sub(std::size_t offset, std::size_t count) const { return Bytes(data_ + offset, count); }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

struct Section {
  std::uint32_t tag;
  std::size_t offset;
  std::size_t size;
};

constexpr std::uint32_t Tag(const char (&t)[5]) {
  return static_cast<std::uint32_t>(static_cast<unsigned char>(t[0])) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(t[1])) << 8) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(t[2])) << 16) |
         (static_cast<std::uint32_t>(static_cast<unsigned char>(t[3])) << 24);
}

bool Fail(std::string* problem, const char* what) {
  if (problem != nullptr) *problem = what;
  return false;
}

std::nullopt_t Refuse(std::string* problem, const char* what) {
  Fail(problem, what);
  return std::nullopt;
}

bool IsPrintable(std::uint8_t c) { return c >= 0x20 && c <= 0x7E; }

bool ReadColours(Bytes s, Skin& skin, std::string* problem) {
  if (!s.Has(0, 4)) return Fail(problem, "COLR: too short");
  const std::size_t count = s.U16(0);
  if (count < kColourCount) return Fail(problem, "COLR: too few colours");
  if (!s.Has(4, count * 4)) return Fail(problem, "COLR: colours run past the section");
  for (std::size_t i = 0; i < kColourCount; ++i) {
    skin.colours[i] = Rgb{s.U8(4 + i * 4), s.U8(5 + i * 4), s.U8(6 + i * 4)};
  }
  return true;
}

bool ReadMetrics(Bytes s, Skin& skin, std::string* problem) {
  if (!s.Has(0, 4)) return Fail(problem, "METR: too short");
  const std::size_t count = s.U16(0);
  if (count < kMetricCount) return Fail(problem, "METR: too few metrics");
  if (!s.Has(4, count * 2)) return Fail(problem, "METR: metrics run past the section");
  for (std::size_t i = 0; i < kMetricCount; ++i) {
    const int value = static_cast<std::int16_t>(s.U16(4 + i * 2));
    if (value < kMetricRanges[i].low || value > kMetricRanges[i].high) {
      return Fail(problem, "METR: a metric is out of its range");
    }
    skin.metrics[i] = value;
  }
  return true;
}

bool ReadFonts(Bytes s, Skin& skin, std::string* problem) {
  std::size_t at = 0;
  for (;;) {
    std::string name;
    while (at < s.size() && s.U8(at) != 0) {
      if (!IsPrintable(s.U8(at))) return Fail(problem, "FONT: a name holds a non-ASCII byte");
      name.push_back(static_cast<char>(s.U8(at++)));
    }
    if (at == s.size()) return Fail(problem, "FONT: the list is not terminated");
    ++at;
    if (name.empty()) break;
    if (name.size() > kMaxFontName) return Fail(problem, "FONT: a name is too long");
    skin.fonts.push_back(name);
  }
  if (skin.fonts.empty()) return Fail(problem, "FONT: no font named");
  return true;
}

bool ReadImages(Bytes s, Skin& skin, std::string* problem) {
  if (!s.Has(0, 4)) return Fail(problem, "IMAG: too short");
  const std::size_t count = s.U16(0);
  const std::size_t directoryEnd = 4 + count * 12;
  if (!s.Has(0, directoryEnd)) return Fail(problem, "IMAG: directory runs past the section");
  std::array<bool, kImageCount> seen{};
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = 4 + i * 12;
    const std::size_t id = s.U16(e);
    const int width = s.U16(e + 2);
    const int height = s.U16(e + 4);
    const std::size_t offset = s.U32(e + 8);
    if (width < 1 || height < 1 || width > kMaxImageSide || height > kMaxImageSide) {
      return Fail(problem, "IMAG: an image size is out of range");
    }
    const std::size_t bytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4;
    if (offset < directoryEnd || !s.Has(offset, bytes)) {
      return Fail(problem, "IMAG: pixels lie outside the section");
    }
    if (id >= kImageCount) continue;  // a later format's image: not ours to draw
    if (seen[id]) return Fail(problem, "IMAG: an image id appears twice");
    seen[id] = true;
    Image& image = skin.images[id];
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (std::size_t p = 0; p < image.pixels.size(); ++p) {
      const std::size_t at = offset + p * 4;  // B, G, R, A
      image.pixels[p] = (static_cast<std::uint32_t>(s.U8(at + 3)) << 24) |
                        (static_cast<std::uint32_t>(s.U8(at + 2)) << 16) |
                        (static_cast<std::uint32_t>(s.U8(at + 1)) << 8) | s.U8(at);
    }
  }
  if (std::find(seen.begin(), seen.end(), false) != seen.end()) {
    return Fail(problem, "IMAG: an image is missing");
  }
  return true;
}

// What the drawing code relies on beyond each section on its own.
bool CheckConsistency(const Skin& skin, std::string* problem) {
  const int slice = skin.metric(Metric::kButtonSlice);
  for (ImageId id : {ImageId::kButtonNormal, ImageId::kButtonHot, ImageId::kButtonPressed,
                     ImageId::kButtonDisabled, ImageId::kMenuItemHot}) {
    const Image& image = skin.image(id);
    if (2 * slice >= image.width || 2 * slice >= image.height) {
      return Fail(problem, "button_slice leaves no middle in a button image");
    }
  }
  return true;
}

}  // namespace

std::optional<Skin> ParseSkin(const std::uint8_t* data, std::size_t size, std::string* problem) {
  if (data == nullptr) size = 0;
  const Bytes file(data, size);
  if (!file.Has(0, kHeaderSize)) return Refuse(problem, "shorter than the header");
  if (file.U32(0) != Tag(".SHE")) return Refuse(problem, "not a skin file (magic)");
  if (file.U16(4) != kVersion) return Refuse(problem, "unknown format version");
  const std::size_t headerSize = file.U16(6);
  if (headerSize < kHeaderSize) return Refuse(problem, "header size too small");
  if (size > kMaxFileSize || file.U32(8) != size) {
    return Refuse(problem, "the file size does not match the header");
  }
  const std::size_t tableOffset = file.U32(12);
  const std::size_t count = file.U16(16);
  if (file.U16(18) != kEntrySize) return Refuse(problem, "unknown section entry size");
  if (count == 0 || count > kMaxSections) return Refuse(problem, "bad section count");
  if (tableOffset < headerSize || !file.Has(tableOffset, count * kEntrySize)) {
    return Refuse(problem, "the section table lies outside the file");
  }

  Skin skin;
  for (std::size_t i = 20; i < 32 && file.U8(i) != 0; ++i) {
    if (!IsPrintable(file.U8(i))) return Refuse(problem, "the name is not ASCII");
    skin.name.push_back(static_cast<char>(file.U8(i)));
  }

  // Every section lies inside the file, after the table, and no two overlap.
  std::vector<Section> sections;
  const std::size_t tableEnd = tableOffset + count * kEntrySize;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t e = tableOffset + i * kEntrySize;
    Section s{file.U32(e), file.U32(e + 4), file.U32(e + 8)};
    if (s.offset < tableEnd || !file.Has(s.offset, s.size)) {
      return Refuse(problem, "a section lies outside the file");
    }
    sections.push_back(s);
  }
  std::sort(sections.begin(), sections.end(),
            [](const Section& a, const Section& b) { return a.offset < b.offset; });
  for (std::size_t i = 1; i < sections.size(); ++i) {
    if (sections[i - 1].offset + sections[i - 1].size > sections[i].offset) {
      return Refuse(problem, "two sections overlap");
    }
  }

  struct Reader {
    std::uint32_t tag;
    bool (*read)(Bytes, Skin&, std::string*);
    bool found;
  };
  Reader readers[] = {{Tag("COLR"), ReadColours, false},
                      {Tag("METR"), ReadMetrics, false},
                      {Tag("FONT"), ReadFonts, false},
                      {Tag("IMAG"), ReadImages, false}};
  for (const Section& s : sections) {
    for (Reader& r : readers) {
      if (r.tag != s.tag) continue;
      if (r.found) return Refuse(problem, "a section appears twice");
      r.found = true;
      if (!r.read(file.Sub(s.offset, s.size), skin, problem)) return std::nullopt;
    }
  }
  for (const Reader& r : readers) {
    if (!r.found) return Refuse(problem, "a required section is missing");
  }
  if (!CheckConsistency(skin, problem)) return std::nullopt;
  return skin;
}

}  // namespace sorvane::skin::format
