#pragma once
// The extension's composition roots on Linux: the system's implementation of every
// service, wired together. Every Linux host builds its FinderSync from these.

#include <filesystem>
#include <memory>
#include <optional>

#include "nimbra/SettingsStore.h"
#include "nimbra/extension/ActionDispatcher.h"
#include "nimbra/extension/FinderSync.h"
#include "nimbra/platform/linux/DesktopLauncher.h"

namespace nimbra::extension {

// The shared settings as the extension reads them: a read waits only briefly for
// the companion app's write, then the menus go on with the settings they have.
// Nothing (and why, in `log`) when they cannot be opened.
std::optional<SettingsStore> openExtensionSettings(platform::SystemLog& log);

// This system's services for picks, reporting to `log` and `host`, running work on
// `scheduler`, launching the companion app in the host's `launchContexts`.
DispatcherServices systemDispatcherServices(std::shared_ptr<platform::SystemLog> log, std::shared_ptr<HostServices> host,
                                            std::shared_ptr<platform::Scheduler> scheduler,
                                            platform::LaunchContexts launchContexts = {});

// The services the menus are built with, one set of caches for the whole process.
// With `refreshIn`, a menu request never waits for the platform: answers missing or
// older than a minute are looked up there while the request goes on with what is
// known. Without it (a one-shot command) each is looked up at once.
// `now` is the caches' clock.
ExtensionEnvironment systemExtensionEnvironment(std::shared_ptr<platform::Scheduler> refreshIn = nullptr,
                                                LookupClock::Now now = LookupClock::system());

// The archiver program installed with the extension (beside the calling binary).
std::filesystem::path installedArchiver();

}  // namespace nimbra::extension
