#pragma once
// A file manager whose presence the test sets; `change()` tells the followers, and
// `takeIns` counts the requests to take the extension in.

#include <functional>
#include <vector>

#include "nimbra/platform/FileManagerPresence.h"

namespace nimbra::testing {

class FakeFileManagerPresence final : public platform::FileManagerPresence {
 public:
  platform::ExtensionPresence now;
  int takeIns = 0;
  TakesIn way = TakesIn::byRestarting;

  std::string name() const override { return "Files"; }
  std::string desktopID() const override { return "org.gnome.Nautilus.desktop"; }
  std::filesystem::path extensionFolder() const override { return "/usr/lib/nautilus/extensions-4"; }
  platform::ExtensionPresence presence() const override { return now; }
  void follow(std::function<void()> changed) override { followers_.push_back(std::move(changed)); }
  TakesIn takesIn() const override { return way; }
  void takeIn() override { ++takeIns; }

  void change(platform::ExtensionPresence next) {
    now = next;
    for (const auto& follower : followers_) follower();
  }

 private:
  std::vector<std::function<void()>> followers_;
};

}  // namespace nimbra::testing
