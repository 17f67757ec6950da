// Polling for a state that another thread or process brings about.
#pragma once

#include <windows.h>

#include <functional>

namespace sorvane::test {

// Polls condition until it holds; false when it still does not after timeoutMs.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

}  // namespace sorvane::test
