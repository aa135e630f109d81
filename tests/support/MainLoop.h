#pragma once
// The default GLib main context, where file monitors and bus callbacks report.

#include <glib.h>

#include <chrono>
#include <functional>

namespace nimbra::testing {

// Turns the default main context until `done` or 10 s; whether `done` came.
inline bool iterateUntil(const std::function<bool()>& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
  }
  return true;
}

}  // namespace nimbra::testing
