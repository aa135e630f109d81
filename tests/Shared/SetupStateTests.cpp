#include "nimbra/SetupState.h"

#include <gtest/gtest.h>

namespace nimbra {
namespace {

using Remaining = SetupState::Remaining;

TEST(SetupState, OnMeansInstalledSwitchedOnAndLoadedInTheFileManagerIfOneRuns) {
  struct Case {
    bool installed, running, loaded, switchedOn;
    bool on;
    Remaining remaining;
  };
  const Case cases[] = {
      {true, false, false, true, true, Remaining::nothing},              // the next start loads it
      {true, true, true, true, true, Remaining::nothing},
      {true, true, false, true, false, Remaining::restartFileManager},   // runs without it
      {true, true, true, false, false, Remaining::restartFileManager},   // switched off
      {false, true, true, true, false, Remaining::install},              // loaded, but removed since
      {false, false, false, false, false, Remaining::install},
  };
  for (const auto& c : cases) {
    const SetupState state{{c.installed, c.running, c.loaded}, c.switchedOn};
    EXPECT_EQ(state.menusAreOn(), c.on) << c.installed << c.running << c.loaded << c.switchedOn;
    EXPECT_EQ(state.remaining(), c.remaining) << c.installed << c.running << c.loaded << c.switchedOn;
  }
}

TEST(SetupState, TheFileManagerInUseIsTheDesktopsDefaultElseTheFirstInstalled) {
  const std::vector<std::string> ids = {"nemo.desktop", "org.gnome.Nautilus.desktop", "thunar.desktop"};
  const auto installed = [](std::string_view id) { return id != "nemo.desktop"; };
  EXPECT_EQ(fileManagerInUse(ids, "thunar.desktop", installed), 2u);
  EXPECT_EQ(fileManagerInUse(ids, "org.kde.dolphin.desktop", installed), 1u);
  EXPECT_EQ(fileManagerInUse(ids, std::nullopt, installed), 1u);
  EXPECT_EQ(fileManagerInUse(ids, std::nullopt, [](std::string_view) { return false; }), 0u);
}

}  // namespace
}  // namespace nimbra
