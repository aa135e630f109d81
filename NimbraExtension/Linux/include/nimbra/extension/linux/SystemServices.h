#pragma once
// The extension's composition roots on Linux: the system's implementation of every
// service, wired together. Every Linux host builds its FinderSync from these.

#include <filesystem>
#include <memory>

#include "nimbra/extension/ActionDispatcher.h"
#include "nimbra/extension/FinderSync.h"

namespace nimbra::extension {

// This system's services for picks, reporting to `log` and `host`, running work on `scheduler`.
DispatcherServices systemDispatcherServices(std::shared_ptr<platform::SystemLog> log, std::shared_ptr<HostServices> host,
                                            std::shared_ptr<platform::Scheduler> scheduler);

// The services the menus are built with, one set of caches for the whole process.
ExtensionEnvironment systemExtensionEnvironment();

// The archiver program installed with the extension (beside the calling binary).
std::filesystem::path installedArchiver();

}  // namespace nimbra::extension
