// Desktop entries as any program or person may have written them, read by the app
// lookup, Add App… and the app picker: Add App… accepts an entry exactly when the
// lookup finds that entry under the identifier it gave, the picker offers only what
// the lookup finds, and names and icons come out as the menus can show them.

#include <gio/gdesktopappinfo.h>

#include "FileTesting.h"
#include "FuzzSupport.h"
#include "nimbra/platform/ApplicationBundles.h"
#include "nimbra/platform/Workspace.h"
#include "nimbra/platform/linux/GioSupport.h"
#include "nimbra/platform/linux/InstalledApplications.h"

namespace nimbra::fuzz {
namespace {

namespace fs = std::filesystem;

// The user's entry and the system's entry of one identifier, so that one may shadow
// or mask the other. GIO indexes the folders once, and again only when a monitor sees
// them change: the two files always exist, and each input rewrites what they say.
struct Entries {
  testing::TemporaryFolder world;
  fs::path user = world.path() / "home/applications/fuzz.desktop";
  fs::path system = world.path() / "system/applications/fuzz.desktop";
};

const Entries entries;

bool isText(const std::string& text) { return g_utf8_validate(text.data(), static_cast<gssize>(text.size()), nullptr); }

// What the file managers and the app do with the icon: read it back as a GIcon.
bool iconReadsBack(const std::string& icon) {
  if (icon.empty()) return true;
  const platform::GObjectPtr<GIcon> read(g_icon_new_for_string(icon.c_str(), nullptr));
  return read && platform::takeString(g_icon_to_string(read.get())) == icon;
}

}  // namespace
}  // namespace nimbra::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace nimbra::fuzz;
  for (const auto* file : {&entries.user, &entries.system}) {
    fs::create_directories(file->parent_path());
    nimbra::testing::writeText(*file, "");
  }
  ::setenv("XDG_DATA_HOME", (entries.world.path() / "home").c_str(), 1);
  ::setenv("XDG_DATA_DIRS", (entries.world.path() / "system").c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  using namespace nimbra::fuzz;
  // The user's entry, then after a NUL byte the system's.
  const auto input = std::string_view(reinterpret_cast<const char*>(data), size);
  const auto split = std::min(input.find('\0'), input.size());
  testing::writeText(entries.user, std::string(input.substr(0, split)));
  testing::writeText(entries.system, std::string(input.substr(std::min(split + 1, input.size()))));

  const auto found = platform::systemWorkspace()->applicationURL("fuzz");
  for (const auto* file : {&entries.user, &entries.system}) {
    const auto added = platform::systemApplicationBundles()->bundleIdentifier(*file);
    require(!added || *added == "fuzz", "an entry's identifier is its desktop-file ID");
    require(added.has_value() == (found && found->url == *file),
            "Add App… accepts an entry exactly when the lookup finds it under that identifier");
  }
  if (found) {
    require(!found->name.empty() && isText(found->name), "an app has a name in UTF-8");
    require(isText(found->icon) && iconReadsBack(found->icon), "an app's icon reads back as the icon it names");
  }
  const auto offered = platform::installedApplications();
  require(offered.size() <= 1, "the picker offers an app once");
  require(offered.empty() || offered.front() == found, "the picker offers only what the lookup finds, as it finds it");
  return 0;
}
