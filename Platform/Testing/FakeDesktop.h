#pragma once
// The desktop session in memory: the file manager's reveal, and notifications that
// reach every listener of this process at once. Records what it was asked.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "nimbra/platform/FileManager.h"
#include "nimbra/platform/Notifications.h"

namespace nimbra::testing {

struct FakeFileManager final : platform::FileManager {
  std::vector<std::filesystem::path> revealed;
  void reveal(std::vector<std::filesystem::path> items) override { revealed.insert(revealed.end(), items.begin(), items.end()); }
};

struct FakeNotifications final : platform::Notifications, platform::NotificationListener {
  std::vector<std::string> posted;
  // Called at each post, before it is recorded: a test looks at other fakes then.
  std::function<void(std::string_view name)> onPost;

  void post(std::string_view name) override {
    if (onPost) onPost(name);
    posted.emplace_back(name);
    for (auto [it, end] = listeners_.equal_range(std::string(name)); it != end; ++it) it->second();
  }
  void listen(std::string_view name, std::function<void()> heard) override {
    listeners_.emplace(std::string(name), std::move(heard));
  }

 private:
  std::multimap<std::string, std::function<void()>> listeners_;
};

}  // namespace nimbra::testing
