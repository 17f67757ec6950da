// A stand-in SkinH_EL.dll that exports SkinH_Attach but not SkinH_SetTitleMenuBar. Its attach
// leaves attach_ran.txt in the current directory, so a test can see that it was called.
#include <windows.h>

extern "C" __declspec(dllexport) int WINAPI SkinH_Attach() {
  HANDLE file = CreateFileA("attach_ran.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  return 1;
}
