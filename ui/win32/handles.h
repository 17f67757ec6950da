// Owning wrappers for Win32 handles: one owner, movable, never copied.
#pragma once

#include <windows.h>

#include <utility>

namespace sorvane::win32 {

template <typename Handle, typename Traits>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle h) : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::invalid())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, Traits::invalid());
    }
    return *this;
  }

  Handle get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::invalid(); }
  Handle release() { return std::exchange(h_, Traits::invalid()); }
  // Closes the handle; returns false when closing failed (matters for files: a failed close can
  // mean lost data).
  bool reset(Handle h = Traits::invalid()) {
    bool ok = true;
    if (h_ != Traits::invalid()) ok = Traits::close(h_);
    h_ = h;
    return ok;
  }

 private:
  Handle h_ = Traits::invalid();
};

struct FileHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static bool close(HANDLE h) { return CloseHandle(h) != FALSE; }
};
struct KernelHandleTraits {  // processes, threads, events: null when absent
  static HANDLE invalid() { return nullptr; }
  static bool close(HANDLE h) { return CloseHandle(h) != FALSE; }
};
struct ModuleTraits {
  static HMODULE invalid() { return nullptr; }
  static bool close(HMODULE h) { return FreeLibrary(h) != FALSE; }
};
struct GdiObjectTraits {
  static HGDIOBJ invalid() { return nullptr; }
  static bool close(HGDIOBJ h) { return DeleteObject(h) != FALSE; }
};
struct WindowTraits {
  static HWND invalid() { return nullptr; }
  static bool close(HWND h) { return DestroyWindow(h) != FALSE; }
};
struct FindHandleTraits {
  static HANDLE invalid() { return INVALID_HANDLE_VALUE; }
  static bool close(HANDLE h) { return FindClose(h) != FALSE; }
};

using UniqueFile = UniqueHandle<HANDLE, FileHandleTraits>;
using UniqueKernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;
using UniqueModule = UniqueHandle<HMODULE, ModuleTraits>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, GdiObjectTraits>;
using UniqueWindow = UniqueHandle<HWND, WindowTraits>;
using UniqueFind = UniqueHandle<HANDLE, FindHandleTraits>;

}  // namespace sorvane::win32
