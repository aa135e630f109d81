// One menu-provider call of each built module, warm, made as its file manager makes
// it: the items for a folder's background and for one selected file. The modules
// are loaded as in their loader test, in a private world with a private bus; each
// call is timed on its own, and the 99th percentile is reported beside the mean.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "HostModules.h"
#include "PrivateSessionBus.h"
#include "World.h"
#include "nimbra/platform/linux/GioSupport.h"

namespace {

using namespace nimbra::testing;
using Clock = std::chrono::steady_clock;

// A private world and bus for the whole run; the modules read them from the environment.
struct Setting {
  Setting() {
    std::filesystem::create_directories(work());
    std::ofstream(work() / "report.txt") << "figures";
    world.installApp("code.desktop", "Code");
    env = world.env({"DBUS_SESSION_BUS_ADDRESS=" + bus.address()});
    for (const auto& entry : env) ::putenv(const_cast<char*>(entry.c_str()));
  }
  std::filesystem::path work() const { return world.home() / "work"; }
  World world;
  PrivateSessionBus bus;
  std::vector<std::string> env;
};

const Setting& setting() {
  static const Setting instance;
  return instance;
}

// Every module once in this process, ready (its first menu answered) before it is timed.
GObject* readyProvider(const HostCase& host, GObject* folder) {
  static std::map<std::string, std::unique_ptr<LoadedModule>> modules;
  auto& module = modules[host.name];
  if (!module) {
    module = host.load(host.builtModule);
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
      if (GList* items = host.background(module->provider(host.providerInterface), folder)) {
        g_list_free_full(items, g_object_unref);
        break;
      }
      if (!g_main_context_iteration(nullptr, FALSE)) g_usleep(2000);
    }
  }
  return module->provider(host.providerInterface);
}

void providerCall(benchmark::State& state, const HostCase* host, bool background) {
  const auto work = setting().work();
  GObject* folder = fakeFile(nimbra::platform::fileURI(work).c_str(), true);
  GList* files = g_list_append(nullptr, fakeFile(nimbra::platform::fileURI(work / "report.txt").c_str(), false));
  GObject* provider = readyProvider(*host, folder);
  std::vector<double> micros;
  for (auto _ : state) {
    const auto start = Clock::now();
    GList* items = background ? host->background(provider, folder) : host->files(provider, files);
    micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
    if (!items) state.SkipWithError("no menu");
    g_list_free_full(items, g_object_unref);
    // What the modules' background refreshes post back is handled between calls, as in a file manager.
    g_main_context_iteration(nullptr, FALSE);
  }
  std::sort(micros.begin(), micros.end());
  if (!micros.empty()) state.counters["p99_us"] = micros[micros.size() * 99 / 100];
  g_list_free_full(files, g_object_unref);
  g_object_unref(folder);
}

}  // namespace

BENCHMARK_CAPTURE(providerCall, nautilus_background, &kNautilus, true);
BENCHMARK_CAPTURE(providerCall, nautilus_file, &kNautilus, false);
BENCHMARK_CAPTURE(providerCall, nemo_background, &kNemo, true);
BENCHMARK_CAPTURE(providerCall, nemo_file, &kNemo, false);
BENCHMARK_CAPTURE(providerCall, caja_background, &kCaja, true);
BENCHMARK_CAPTURE(providerCall, caja_file, &kCaja, false);
BENCHMARK_CAPTURE(providerCall, thunar_background, &kThunar, true);
BENCHMARK_CAPTURE(providerCall, thunar_file, &kThunar, false);
BENCHMARK_MAIN();
