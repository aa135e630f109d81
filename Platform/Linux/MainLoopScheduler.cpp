// Every piece of work is a Job that counts itself as outstanding from the
// moment it is scheduled until it is destroyed, after it ran. Work scheduled
// by running work is counted before the running job's own count drops, so
// the count reaches zero only when nothing is left.

#include "nimbra/platform/linux/MainLoopScheduler.h"

#include <glib.h>

#include <atomic>
#include <exception>
#include <stdexcept>
#include <string>

#include "nimbra/platform/linux/JournalLog.h"

namespace nimbra::platform {
namespace {

// GLib hands a job to the thread that runs it under a futex ThreadSanitizer cannot
// see; the job says so itself, so that its own fields do not look raced.
#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void* address);
extern "C" void __tsan_release(void* address);
void handedOver(void* job) { __tsan_release(job); }
void takenOver(void* job) { __tsan_acquire(job); }
#else
void handedOver(void*) {}
void takenOver(void*) {}
#endif

struct Tracking {
  std::atomic<long> outstanding{0};
  std::shared_ptr<SystemLog> log;
};

class Job {
 public:
  Job(std::shared_ptr<Tracking> tracking, Scheduler::Work work)
      : tracking_(std::move(tracking)), work_(std::move(work)) {
    ++tracking_->outstanding;
    handedOver(this);
  }
  ~Job() {
    takenOver(this);
    // A background job ends off the main thread: wake the loop so a waiting
    // runUntilIdle() sees the count drop.
    if (--tracking_->outstanding == 0) g_main_context_wakeup(g_main_context_default());
  }
  Job(const Job&) = delete;
  Job& operator=(const Job&) = delete;

  void run() {
    takenOver(this);
    // Jobs run from GLib callbacks: nothing may escape into C.
    try {
      work_();
    } catch (const std::exception& e) {
      tracking_->log->error(std::string("scheduled work failed: ") + e.what());
    } catch (...) {
      tracking_->log->error("scheduled work failed");
    }
  }

  static gboolean runOnce(gpointer job) {
    static_cast<Job*>(job)->run();
    return G_SOURCE_REMOVE;
  }
  static void destroy(gpointer job) { delete static_cast<Job*>(job); }
  static void runInPool(gpointer job, gpointer) {
    static_cast<Job*>(job)->run();
    destroy(job);
  }

 private:
  std::shared_ptr<Tracking> tracking_;
  Scheduler::Work work_;
};

class GLibMainLoopScheduler final : public MainLoopScheduler {
 public:
  explicit GLibMainLoopScheduler(std::shared_ptr<SystemLog> log) : tracking_(std::make_shared<Tracking>()) {
    tracking_->log = std::move(log);
    GError* error = nullptr;
    // Unlimited and shared with GLib's other pools: a job that waits (for a
    // child process, for D-Bus) never holds up the next one, and idle threads
    // are reused instead of piling up unjoined.
    pool_ = g_thread_pool_new(Job::runInPool, nullptr, -1, FALSE, &error);
    if (!pool_) {
      const std::string message = error->message;
      g_error_free(error);
      throw std::runtime_error("no thread pool: " + message);
    }
  }
  ~GLibMainLoopScheduler() override { g_thread_pool_free(pool_, FALSE, TRUE); }

  void onMain(Work work) override { attach(g_idle_source_new(), std::move(work)); }

  void afterDelay(std::chrono::milliseconds delay, Work work) override {
    const auto ms = delay.count() < 0 ? 0 : delay.count();
    attach(g_timeout_source_new(static_cast<guint>(ms)), std::move(work));
  }

  void inBackground(Work work) override {
    auto* job = new Job(tracking_, std::move(work));
    GError* error = nullptr;
    if (!g_thread_pool_push(pool_, job, &error)) {
      // No thread could be started: do the work on the main loop rather than lose it.
      tracking_->log->error(std::string("background work runs on the main loop: ") + error->message);
      g_error_free(error);
      GSource* source = g_idle_source_new();
      g_source_set_callback(source, Job::runOnce, job, Job::destroy);
      g_source_attach(source, nullptr);
      g_source_unref(source);
    }
  }

  void runUntilIdle() override {
    while (tracking_->outstanding.load() > 0) g_main_context_iteration(nullptr, TRUE);
  }

 private:
  void attach(GSource* source, Work work) {
    // Default priority, as g_main_context_invoke() uses: results come back
    // promptly even while the host is busy redrawing.
    g_source_set_priority(source, G_PRIORITY_DEFAULT);
    g_source_set_callback(source, Job::runOnce, new Job(tracking_, std::move(work)), Job::destroy);
    g_source_attach(source, nullptr);
    g_source_unref(source);
  }

  std::shared_ptr<Tracking> tracking_;
  GThreadPool* pool_ = nullptr;
};

}  // namespace

std::shared_ptr<MainLoopScheduler> mainLoopScheduler(std::shared_ptr<SystemLog> log) {
  return std::make_shared<GLibMainLoopScheduler>(std::move(log));
}

std::shared_ptr<MainLoopScheduler> mainLoopScheduler() {
  // Never destroyed: a static destructor would wait for running work while
  // the host is shutting down.
  static auto* scheduler = new std::shared_ptr<MainLoopScheduler>(mainLoopScheduler(journalLog("extension")));
  return *scheduler;
}

}  // namespace nimbra::platform
