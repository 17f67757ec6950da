#include "skin/library_binding.h"

#include <utility>

#include "core/settings_names.h"

namespace sorvane::skin {

LibraryBinding::LibraryBinding(std::string runDirectory)
    : runDirectory_(std::move(runDirectory)),
      entries_{{{"SkinH_EL.dll", "SkinH_Attach"}, {"SkinH_EL.dll", "SkinH_SetTitleMenuBar"}}} {}

LibraryBinding::~LibraryBinding() { ReleaseAll(); }

FARPROC LibraryBinding::Resolve(Binding which, std::string* problem) {
  Entry& e = entries_[static_cast<std::size_t>(which)];
  if (e.address != nullptr) return e.address;

  const std::string besideExecutable = settings::PathInRunDirectory(runDirectory_, e.libraryFile);
  HMODULE module = LoadLibraryA(besideExecutable.c_str());
  if (module == nullptr) module = LoadLibraryA(e.libraryFile);
  if (module == nullptr) {
    if (problem != nullptr) {
      *problem = std::string("找不到外部库 ") + e.libraryFile + "，无法调用其中的函数 " +
                 e.functionName + "。程序必须结束。";
    }
    return nullptr;
  }
  FARPROC address = GetProcAddress(module, e.functionName);
  if (address == nullptr) {
    FreeLibrary(module);
    if (problem != nullptr) {
      *problem = std::string("外部库 ") + e.libraryFile + " 中找不到函数 " + e.functionName +
                 "。程序必须结束。";
    }
    return nullptr;
  }
  e.address = address;
  e.module = module;
  return address;
}

void LibraryBinding::ReleaseAll() {
  for (Entry& e : entries_) {
    if (e.module != nullptr) FreeLibrary(e.module);
    e.module = nullptr;
    e.address = nullptr;
  }
}

}  // namespace sorvane::skin
