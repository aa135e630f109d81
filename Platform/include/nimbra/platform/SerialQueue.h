#pragma once
// Work off the main loop, one piece after another in the order given: the pieces
// run in one background job at a time, so pieces that come together share a thread
// and never overtake each other.

#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <utility>

#include "nimbra/platform/Scheduler.h"

namespace nimbra::platform {

class SerialQueue : public std::enable_shared_from_this<SerialQueue> {
 public:
  static std::shared_ptr<SerialQueue> on(std::shared_ptr<Scheduler> scheduler) {
    return std::shared_ptr<SerialQueue>(new SerialQueue(std::move(scheduler)));
  }

  void push(Scheduler::Work work) {
    {
      std::lock_guard lock(mutex_);
      queue_.push_back(std::move(work));
      if (std::exchange(running_, true)) return;
    }
    scheduler_->inBackground([self = shared_from_this()] { self->runAll(); });
  }

 private:
  explicit SerialQueue(std::shared_ptr<Scheduler> scheduler) : scheduler_(std::move(scheduler)) {}

  // The first failure is passed on (to the scheduler's log) once the rest has run.
  void runAll() {
    std::exception_ptr failure;
    for (;;) {
      Scheduler::Work work;
      {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) {
          running_ = false;
          break;
        }
        work = std::move(queue_.front());
        queue_.pop_front();
      }
      try {
        work();
      } catch (...) {
        if (!failure) failure = std::current_exception();
      }
    }
    if (failure) std::rethrow_exception(failure);
  }

  const std::shared_ptr<Scheduler> scheduler_;
  std::mutex mutex_;
  std::deque<Scheduler::Work> queue_;
  bool running_ = false;
};

}  // namespace nimbra::platform
