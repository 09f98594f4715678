// A clean-up that runs when its scope ends, however it ends (an ASSERT's early return too), as
// wil's scope_exit:   const harness::OnExit unhook([&] { ::UnhookWindowsHookEx(hook); });
#pragma once

#include <utility>

namespace harness {

template <typename CleanUp>
struct OnExit {
  explicit OnExit(CleanUp cleanUp) : cleanUp(std::move(cleanUp)) {}
  ~OnExit() { cleanUp(); }
  OnExit(const OnExit&) = delete;
  OnExit& operator=(const OnExit&) = delete;
  CleanUp cleanUp;
};

}  // namespace harness
