// The skin at start: skinh.she written beside the program every time, SkinH_EL.dll found beside it
// first, and the fatal stop when the library or one of its functions is missing.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/app_driver.h"

namespace sorvane::e2e {
namespace {

constexpr char kErrorBoxTitle[] = "Sorvane V1.0 - 运行错误";

std::string BuildDir() {
  const std::string exe = App::BuiltExecutable();  // <build>\ui\Sorvane.exe
  const std::string ui = exe.substr(0, exe.find_last_of('\\'));
  return ui.substr(0, ui.find_last_of('\\'));
}
// The skin the build generated: the bytes the program carries.
std::string CarriedSkin() { return test::ReadFileBytes(BuildDir() + "\\skin\\skinh.she"); }
// A stand-in library that exports SkinH_Attach only; its attach leaves attach_ran.txt behind.
std::string AttachOnlyLibrary() { return BuildDir() + "\\tests\\skin\\attach_only\\SkinH_EL.dll"; }

// The fatal stop's box: shown, alone (no main window), then closed; returns its text.
std::string CloseErrorBox(App& app) {
  HWND box = WaitForProcessWindow(app.pid(), kErrorBoxTitle, "#32770");
  if (box == nullptr) return "(no error box)";
  EXPECT_EQ(FindProcessWindow(app.pid(), "Sorvane V1.0"), nullptr) << "the main window was shown";
  const std::string text = MessageBoxText(box);
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  return text;
}

class SkinAtStart : public ::testing::Test {
 protected:
  void SetUp() override {
    carried_ = CarriedSkin();
    ASSERT_EQ(carried_.size(), 17933u);
    ASSERT_EQ(carried_.substr(0, 4), ".SHE");
  }
  std::string carried_;
};

TEST_F(SkinAtStart, AnOldSkinFileIsReplacedAtEveryStartAndStaysAfterTheEnd) {
  test::TempDir run;
  const std::string skin = run.File("skinh.she");
  for (const std::string& old : {std::string("old"), std::string(40000, 'x')}) {
    ASSERT_TRUE(test::WriteFileBytes(skin, old));
    App app(run.path());
    ASSERT_TRUE(app.Started());
    EXPECT_EQ(test::ReadFileBytes(skin), carried_);
    app.Close();
    EXPECT_EQ(app.WaitForExit(), 0u);
    EXPECT_EQ(test::ReadFileBytes(skin), carried_) << "the file stays after the program ended";
  }
}

TEST_F(SkinAtStart, AnUnwritableSkinFileDoesNotStopTheStart) {
  test::TempDir run;
  const std::string skin = run.File("skinh.she");
  ASSERT_TRUE(test::WriteFileBytes(skin, "kept"));
  SetFileAttributesA(skin.c_str(), FILE_ATTRIBUTE_READONLY);
  {
    App app(run.path());
    ASSERT_TRUE(app.Started()) << "no message, the window comes up";
    EXPECT_EQ(FindProcessWindow(app.pid(), kErrorBoxTitle, "#32770"), nullptr);
    app.Close();
    EXPECT_EQ(app.WaitForExit(), 0u);
  }
  EXPECT_EQ(test::ReadFileBytes(skin), "kept");
  SetFileAttributesA(skin.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(SkinAtStart, TheLibraryBesideTheProgramWinsOverTheSearchPath) {
  test::TempDir run, elsewhere;
  ASSERT_TRUE(CopyFileA(AttachOnlyLibrary().c_str(), elsewhere.File("SkinH_EL.dll").c_str(), FALSE));
  const std::string oldPath = test::EnvVar("PATH");
  SetEnvironmentVariableA("PATH", (elsewhere.path() + ";" + oldPath).c_str());
  {
    App app(run.path());  // the real library beside the program
    SetEnvironmentVariableA("PATH", oldPath.c_str());
    ASSERT_TRUE(app.Started()) << "the stand-in on the search path would have stopped the program";
    EXPECT_FALSE(test::FileExists(run.File("attach_ran.txt")));
    app.Close();
    EXPECT_EQ(app.WaitForExit(), 0u);
  }
}

// The counterpart of the test above: the stand-in on the search path is found when nothing is
// beside the program.
TEST_F(SkinAtStart, WithoutACopyBesideTheProgramTheSearchPathIsUsed) {
  test::TempDir run, elsewhere;
  ASSERT_TRUE(CopyFileA(AttachOnlyLibrary().c_str(), elsewhere.File("SkinH_EL.dll").c_str(), FALSE));
  const std::string oldPath = test::EnvVar("PATH");
  SetEnvironmentVariableA("PATH", (elsewhere.path() + ";" + oldPath).c_str());
  App app(run.path(), App::Install::kProgramOnly);
  SetEnvironmentVariableA("PATH", oldPath.c_str());
  EXPECT_NE(CloseErrorBox(app).find("SkinH_SetTitleMenuBar"), std::string::npos);
  EXPECT_EQ(app.WaitForExit(), 0xFFFFFFFFu);
}

TEST_F(SkinAtStart, NoLibraryAnywhereGivesOnlyTheErrorBoxAndExitCodeMinusOne) {
  test::TempDir run;
  App app(run.path(), App::Install::kProgramOnly);
  const std::string text = CloseErrorBox(app);
  EXPECT_NE(text.find("SkinH_EL.dll"), std::string::npos) << text;
  EXPECT_NE(text.find("SkinH_Attach"), std::string::npos) << text;
  EXPECT_EQ(app.WaitForExit(), 0xFFFFFFFFu);
  EXPECT_EQ(test::ReadFileBytes(run.File("skinh.she")), carried_) << "written before the attach";
}

TEST_F(SkinAtStart, ALibraryWithoutSetTitleMenuBarStopsAfterTheAttachRan) {
  test::TempDir run;
  ASSERT_TRUE(CopyFileA(AttachOnlyLibrary().c_str(), run.File("SkinH_EL.dll").c_str(), FALSE));
  App app(run.path(), App::Install::kProgramOnly);
  const std::string text = CloseErrorBox(app);
  EXPECT_NE(text.find("SkinH_SetTitleMenuBar"), std::string::npos) << text;
  EXPECT_TRUE(test::FileExists(run.File("attach_ran.txt")));
  EXPECT_EQ(app.WaitForExit(), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace sorvane::e2e
