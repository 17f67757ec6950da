#include "tests/support/wait_for.h"

namespace sorvane::test {

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > timeoutMs) return condition();
    Sleep(20);
  }
  return true;
}

}  // namespace sorvane::test
