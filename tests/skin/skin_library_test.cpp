// SkinH_EL.dll in a window program of its own (skin_probe.exe): the look comes from skinh.she, the
// window keeps its size, layout and behaviour, and a missing or damaged file changes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "skin/carried_skin.h"
#include "skin/format/skin_file.h"
#include "tests/support/temp_dir.h"

namespace sorvane::skin {
namespace {

using test::TempDir;
using Results = std::map<std::string, std::string>;

std::string CarriedBytes() {
  return std::string(reinterpret_cast<const char*>(kCarriedSkin), kCarriedSkinSize);
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::size_t SectionOf(const std::string& b, const char* tag) {
  for (std::size_t e = U32(b, 12);; e += 12) {
    if (b.compare(e, 4, tag) == 0) return U32(b, e + 4);
  }
}

// The carried skin with a flat brick-red title bar and a pale green window background.
std::string EmberSkin() {
  std::string b = CarriedBytes();
  const std::size_t imag = SectionOf(b, "IMAG");
  const std::size_t entry = imag + 4;  // image 0: caption_active
  const std::size_t pixels = imag + U32(b, entry + 8);
  const std::size_t count = (b[entry + 2] & 0xFF) * (b[entry + 4] & 0xFF);
  for (std::size_t p = 0; p < count; ++p) b.replace(pixels + p * 4, 4, "\x2E\x3A\xB0\xFF", 4);
  b.replace(SectionOf(b, "COLR") + 4, 3, "\xDD\xEE\xD0", 3);  // window_background
  return b;
}

// Runs the probe in a fresh folder holding skinFile as skinh.she (none when absent).
Results RunProbe(const std::string& scenario, const std::optional<std::string>& skinFile) {
  TempDir dir;
  if (skinFile) {
    EXPECT_TRUE(test::WriteFileBytes(dir.File("skinh.she"), *skinFile));
  }
  const std::string results = dir.File("results.txt");
  std::string command = "\"" + test::EnvVar("SORVANE_SKIN_PROBE") + "\" \"" +
                        test::EnvVar("SORVANE_SKIN_DLL") + "\" " + scenario + " \"" + results + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      dir.path().c_str(), &startup, &process)) {
    ADD_FAILURE() << "cannot start " << command;
    return {};
  }
  // A message box or a hang would keep the probe from ending.
  const DWORD waited = WaitForSingleObject(process.hProcess, 30000);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 9);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(waited, WAIT_OBJECT_0) << scenario << ": the probe did not end";
  EXPECT_EQ(code, 0u) << scenario;

  Results r;
  std::istringstream lines(test::ReadFileBytes(results));
  for (std::string line; std::getline(lines, line);) {
    const std::size_t eq = line.find('=');
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (eq != std::string::npos) r[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return r;
}

int Int(const Results& r, const char* key) {
  auto it = r.find(key);
  return it == r.end() ? -99999 : std::atoi(it->second.c_str());
}
std::string Str(const Results& r, const char* key) {
  auto it = r.find(key);
  return it == r.end() ? std::string("(missing ") + key + ")" : it->second;
}

// GetPixel's COLORREF as the probe prints it: 00BBGGRR in hex.
std::string ColorRef(std::uint32_t rgb) {
  char text[16];
  std::snprintf(text, sizeof text, "%06lX",
                static_cast<unsigned long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF)));
  return text;
}
std::string ColorRef(const format::Rgb& c) { return ColorRef((c.r << 16) | (c.g << 8) | c.b); }

// The colour the skin's title-bar image gives the probe's sampled caption row.
std::string ExpectedCaption(const std::string& file, const Results& r) {
  const auto skin = format::ParseSkin(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  if (!skin) return "(unreadable skin)";
  const format::Image& image = skin->image(format::ImageId::kCaptionActive);
  const int row = (Int(r, "caption_y") - Int(r, "caption_top")) * image.height / Int(r, "caption_height");
  return ColorRef(image.At(0, row) & 0xFFFFFF);
}

std::string Background(const std::string& file) {
  const auto skin = format::ParseSkin(reinterpret_cast<const std::uint8_t*>(file.data()), file.size());
  return skin ? ColorRef(skin->colour(format::Colour::kWindowBackground)) : "(unreadable skin)";
}

class SkinLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { plain_ = new Results(RunProbe("none", std::nullopt)); }
  static void TearDownTestSuite() { delete plain_; }
  void SetUp() override {
    ASSERT_FALSE(test::EnvVar("SORVANE_SKIN_PROBE").empty());
    ASSERT_EQ(Int(*plain_, "active"), 1) << "the probe's window must be the active one";
  }
  static const Results& plain() { return *plain_; }
  static Results* plain_;
};
Results* SkinLibraryTest::plain_ = nullptr;

TEST_F(SkinLibraryTest, TwoSkinFilesGiveTwoTitleBarsAndBackgrounds) {
  const std::string carried = CarriedBytes(), ember = EmberSkin();
  const Results a = RunProbe("attach_after_create", carried);
  const Results b = RunProbe("attach_after_create", ember);
  EXPECT_EQ(Int(a, "attach"), 1);
  EXPECT_EQ(Int(b, "attach"), 1);
  EXPECT_EQ(Int(a, "bar"), 1);

  EXPECT_EQ(Str(a, "caption_pixel"), ExpectedCaption(carried, a));
  EXPECT_EQ(Str(b, "caption_pixel"), "2E3AB0");  // 0xB03A2E as a COLORREF
  EXPECT_NE(Str(a, "caption_pixel"), Str(plain(), "caption_pixel"));

  EXPECT_EQ(Str(a, "client_pixel"), Background(carried));
  EXPECT_EQ(Str(b, "client_pixel"), Background(ember));
  EXPECT_EQ(Str(plain(), "client_pixel"), Str(plain(), "face"));
  // The push button wears the skin's button face, not the system's.
  EXPECT_NE(Str(a, "button_pixel"), Str(plain(), "button_pixel"));
}

TEST_F(SkinLibraryTest, WindowsCreatedAfterTheAttachAreSkinnedToo) {
  const std::string carried = CarriedBytes();
  const Results r = RunProbe("attach_before_create", carried);
  EXPECT_EQ(Int(r, "attach"), 1);
  EXPECT_EQ(Str(r, "caption_pixel"), ExpectedCaption(carried, r));
  EXPECT_EQ(Str(r, "client_pixel"), Background(carried));
}

TEST_F(SkinLibraryTest, ASkinnedWindowKeepsItsSizeLayoutAndBehaviour) {
  for (const char* scenario : {"attach_after_create", "attach_before_create"}) {
    SCOPED_TRACE(scenario);
    const Results r = RunProbe(scenario, CarriedBytes());
    for (const char* key : {"width", "height", "client_x", "client_y", "client_width", "client_height",
                            "button_rect", "check_rect"}) {
      EXPECT_EQ(Str(r, key), Str(plain(), key)) << key;
    }
    EXPECT_EQ(Int(r, "hit_caption"), HTCAPTION);
    EXPECT_EQ(Int(r, "hit_close"), HTCLOSE);
    EXPECT_EQ(Int(r, "focus_on_check"), 1);
    EXPECT_EQ(Int(r, "focus_on_button"), 1);
    EXPECT_EQ(Int(r, "check_still_ticked"), 1);
    EXPECT_EQ(Int(r, "closed_by_click"), 1) << "a click on the skin's close box closes the window";
  }
}

TEST_F(SkinLibraryTest, AMissingOrDamagedSkinLeavesTheSystemLook) {
  std::string truncated = CarriedBytes().substr(0, 9000);
  std::string badOffset = CarriedBytes();
  badOffset[SectionOf(badOffset, "IMAG") + 4 + 8 + 3] = '\x7F';  // image 0's pixels far outside
  std::string wrongMagic = CarriedBytes();
  wrongMagic[0] = 'X';
  const struct {
    const char* what;
    std::optional<std::string> file;
  } cases[] = {{"no file", std::nullopt}, {"empty file", std::string()}, {"truncated", truncated},
               {"bad offset", badOffset}, {"wrong magic", wrongMagic}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const Results r = RunProbe("attach_after_create", c.file);
    EXPECT_EQ(Int(r, "attach"), 0);
    EXPECT_EQ(Int(r, "bar"), 0);
    EXPECT_EQ(Str(r, "caption_pixel"), Str(plain(), "caption_pixel"));
    EXPECT_EQ(Str(r, "client_pixel"), Str(plain(), "client_pixel"));
    EXPECT_EQ(Int(r, "closed_by_click"), 1);
  }
}

// The menu bar's background is the skin's image, darkened by the percentage that the program
// passes (-6), or the system's when the mode is 0.
TEST_F(SkinLibraryTest, SetTitleMenuBarShadesTheSkinnedMenuBarOrLeavesItToTheSystem) {
  const std::string carried = CarriedBytes();
  const auto skin = format::ParseSkin(reinterpret_cast<const std::uint8_t*>(carried.data()), carried.size());
  ASSERT_TRUE(skin);
  const format::Image& image = skin->image(format::ImageId::kMenubar);

  const Results unshaded = RunProbe("bar_unshaded", carried);
  const Results shaded = RunProbe("attach_after_create", carried);
  const Results system = RunProbe("bar_system", carried);
  EXPECT_EQ(Int(unshaded, "bar"), 1);
  EXPECT_EQ(Int(system, "bar"), 1);

  const std::uint32_t pixel =
      image.At(0, Int(unshaded, "menubar_y") * image.height / Int(unshaded, "menubar_height"));
  std::uint32_t darker = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int c = static_cast<int>((pixel >> shift) & 0xFF);
    darker |= static_cast<std::uint32_t>(c + c * -6 / 100) << shift;
  }
  EXPECT_EQ(Str(unshaded, "menubar_pixel"), ColorRef(pixel & 0xFFFFFF));
  EXPECT_EQ(Str(shaded, "menubar_pixel"), ColorRef(darker));
  EXPECT_EQ(Str(system, "menubar_pixel"), Str(plain(), "menubar_pixel"));
  EXPECT_EQ(Str(system, "caption_pixel"), Str(shaded, "caption_pixel")) << "the title bar stays skinned";
}

TEST_F(SkinLibraryTest, SetTitleMenuBarBeforeAnyAttachChangesNothing) {
  const Results r = RunProbe("bar_only", CarriedBytes());
  EXPECT_EQ(Int(r, "bar"), 0);
  EXPECT_EQ(Str(r, "caption_pixel"), Str(plain(), "caption_pixel"));
  EXPECT_EQ(Str(r, "client_pixel"), Str(plain(), "client_pixel"));
}

}  // namespace
}  // namespace sorvane::skin
