// The binding table of the skinning library: which function comes from which library file, and,
// once a function has been called, its address and the module it came from.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

namespace sorvane::skin {

// Entries of the table, in table order.
enum class Binding : std::size_t { kAttach = 0, kSetTitleMenuBar = 1 };

class LibraryBinding {
 public:
  struct Entry {
    const char* libraryFile;
    const char* functionName;
    FARPROC address = nullptr;  // empty until the first call
    HMODULE module = nullptr;   // the module that the address came from
  };

  // Nothing is loaded yet. runDirectory holds the executable, without a trailing backslash.
  explicit LibraryBinding(std::string runDirectory = {});
  ~LibraryBinding();
  LibraryBinding(const LibraryBinding&) = delete;
  LibraryBinding& operator=(const LibraryBinding&) = delete;

  void SetRunDirectory(std::string runDirectory) { runDirectory_ = std::move(runDirectory); }

  // The entry's function address. At the entry's first use the library is loaded (the copy beside
  // the executable first, then the bare file name through the system's search order) and the
  // function looked up; later uses load and look up nothing. Null when the library or the function
  // is missing: then any module this attempt loaded is released again and *problem names the
  // library file and the function.
  FARPROC Resolve(Binding which, std::string* problem);

  // Releases every stored module (FreeLibrary) and empties the entries.
  void ReleaseAll();

  const Entry& entry(Binding which) const { return entries_[static_cast<std::size_t>(which)]; }

 private:
  std::string runDirectory_;
  std::array<Entry, 2> entries_;
};

}  // namespace sorvane::skin
