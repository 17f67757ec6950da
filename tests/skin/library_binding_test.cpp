// The binding table against real library files: the built SkinH_EL.dll and a stand-in that lacks
// SkinH_SetTitleMenuBar.
#include "skin/library_binding.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

namespace sorvane::skin {
namespace {

using test::TempDir;

std::string RealLibrary() { return test::EnvVar("SORVANE_SKIN_DLL"); }
std::string AttachOnlyLibrary() { return test::EnvVar("SORVANE_ATTACH_ONLY_DLL"); }

std::string ModulePath(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  return path;
}

::testing::AssertionResult SamePath(const std::string& a, const std::string& b) {
  if (lstrcmpiA(a.c_str(), b.c_str()) == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << a << " is not " << b;
}

bool Loaded(const std::string& path) { return GetModuleHandleA(path.c_str()) != nullptr; }

// A folder holding a copy of one library under the name SkinH_EL.dll.
struct LibraryFolder {
  explicit LibraryFolder(const std::string& source) {
    if (!source.empty()) {
      EXPECT_TRUE(CopyFileA(source.c_str(), dll().c_str(), FALSE)) << source;
    }
  }
  std::string dll() const { return dir.File("SkinH_EL.dll"); }
  TempDir dir;
};

// Puts a folder on the library search path for one test.
struct OnSearchPath {
  explicit OnSearchPath(const std::string& dir) { SetDllDirectoryA(dir.c_str()); }
  ~OnSearchPath() { SetDllDirectoryA(nullptr); }
};

class LibraryBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(RealLibrary().empty());
    ASSERT_FALSE(AttachOnlyLibrary().empty());
  }
};

TEST_F(LibraryBindingTest, TheCopyBesideTheExecutableWinsOverTheSearchPath) {
  LibraryFolder runDir(RealLibrary());
  LibraryFolder elsewhere(AttachOnlyLibrary());
  OnSearchPath path(elsewhere.dir.path());
  LibraryBinding binding(runDir.dir.path());
  std::string problem;
  // The stand-in lacks this function: it resolves only from the copy beside the executable.
  ASSERT_NE(binding.Resolve(Binding::kSetTitleMenuBar, &problem), nullptr) << problem;
  EXPECT_TRUE(SamePath(ModulePath(binding.entry(Binding::kSetTitleMenuBar).module), runDir.dll()));
  binding.ReleaseAll();
  EXPECT_FALSE(Loaded(runDir.dll()));
}

TEST_F(LibraryBindingTest, WithoutACopyBesideTheExecutableTheSearchPathIsUsed) {
  TempDir runDir;
  LibraryFolder elsewhere(RealLibrary());
  OnSearchPath path(elsewhere.dir.path());
  LibraryBinding binding(runDir.path());
  std::string problem;
  ASSERT_NE(binding.Resolve(Binding::kAttach, &problem), nullptr) << problem;
  EXPECT_TRUE(SamePath(ModulePath(binding.entry(Binding::kAttach).module), elsewhere.dll()));
}

TEST_F(LibraryBindingTest, EachEntryIsResolvedAtItsOwnFirstCallAndReleasedAtTheEnd) {
  LibraryFolder runDir(RealLibrary());
  std::string problem;
  {
    LibraryBinding binding(runDir.dir.path());
    EXPECT_FALSE(Loaded(runDir.dll())) << "nothing is loaded before the first call";

    const FARPROC attach = binding.Resolve(Binding::kAttach, &problem);
    ASSERT_NE(attach, nullptr) << problem;
    EXPECT_EQ(attach, GetProcAddress(binding.entry(Binding::kAttach).module, "SkinH_Attach"));
    EXPECT_EQ(binding.entry(Binding::kSetTitleMenuBar).module, nullptr);
    EXPECT_EQ(binding.entry(Binding::kSetTitleMenuBar).address, nullptr);

    const FARPROC setBar = binding.Resolve(Binding::kSetTitleMenuBar, &problem);
    ASSERT_NE(setBar, nullptr) << problem;
    EXPECT_EQ(binding.entry(Binding::kSetTitleMenuBar).module, binding.entry(Binding::kAttach).module);
    EXPECT_EQ(binding.Resolve(Binding::kAttach, &problem), attach);
    EXPECT_EQ(binding.Resolve(Binding::kSetTitleMenuBar, &problem), setBar);

    // Two entries hold two references; the repeated calls took none more.
    FreeLibrary(GetModuleHandleA(runDir.dll().c_str()));  // drops one of the two
    EXPECT_TRUE(Loaded(runDir.dll()));
    LoadLibraryA(runDir.dll().c_str());  // and gives it back
    binding.ReleaseAll();
    EXPECT_FALSE(Loaded(runDir.dll()));
    EXPECT_EQ(binding.entry(Binding::kAttach).module, nullptr);
  }
}

TEST_F(LibraryBindingTest, AMissingFunctionNamesLibraryAndFunctionAndReleasesTheModule) {
  LibraryFolder runDir(AttachOnlyLibrary());
  LibraryBinding binding(runDir.dir.path());
  std::string problem;
  ASSERT_NE(binding.Resolve(Binding::kAttach, &problem), nullptr) << problem;
  EXPECT_EQ(binding.Resolve(Binding::kSetTitleMenuBar, &problem), nullptr);
  EXPECT_NE(problem.find("SkinH_EL.dll"), std::string::npos) << problem;
  EXPECT_NE(problem.find("SkinH_SetTitleMenuBar"), std::string::npos) << problem;
  EXPECT_EQ(binding.entry(Binding::kSetTitleMenuBar).module, nullptr);
  // Only the first entry's reference is left.
  binding.ReleaseAll();
  EXPECT_FALSE(Loaded(runDir.dll()));
}

TEST_F(LibraryBindingTest, AMissingLibraryNamesLibraryAndFunction) {
  TempDir runDir;
  LibraryBinding binding(runDir.path());
  std::string problem;
  EXPECT_EQ(binding.Resolve(Binding::kAttach, &problem), nullptr);
  EXPECT_NE(problem.find("SkinH_EL.dll"), std::string::npos) << problem;
  EXPECT_NE(problem.find("SkinH_Attach"), std::string::npos) << problem;
  EXPECT_EQ(binding.entry(Binding::kAttach).module, nullptr);
}

}  // namespace
}  // namespace sorvane::skin
