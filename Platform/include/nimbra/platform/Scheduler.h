#pragma once
// Where work runs: the host's main loop, or a background thread that reports back to it.

#include <chrono>
#include <functional>
#include <memory>

namespace nimbra::platform {

class Scheduler {
 public:
  using Work = std::function<void()>;
  virtual ~Scheduler() = default;
  // On the main loop, on a later turn.
  virtual void onMain(Work work) = 0;
  // On the main loop, after `delay`.
  virtual void afterDelay(std::chrono::milliseconds delay, Work work) = 0;
  // Off the main loop; the work posts its results back with onMain.
  virtual void inBackground(Work work) = 0;
};

}  // namespace nimbra::platform
