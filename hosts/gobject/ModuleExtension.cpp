#include "ModuleExtension.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MenuItems.h"

namespace nimbra::hosts {
namespace {

namespace fs = std::filesystem;

// The local path of an item the file manager shows; nothing for other locations
// (trash, network, search, recent), which get no menus.
std::optional<fs::path> localPath(const HostApi& api, GObject* file) {
  if (platform::takeString(api.uriScheme(file)) != "file") return std::nullopt;
  const platform::GObjectPtr<GFile> location(api.location(file));
  const auto path = location ? platform::takeString(g_file_get_path(location.get())) : std::string();
  if (path.empty()) return std::nullopt;
  return fs::path(path);
}

}  // namespace

ModuleExtension::ModuleExtension(const HostApi& api, std::shared_ptr<HostSession> host)
    : api_(api), session_(std::move(host)) {}

GList* ModuleExtension::items(std::span<const extension::SelectedItem> facts, const MenuRequest& request) const {
  const auto nodes = session_.nodes(request.kind, facts);
  if (nodes.empty()) return nullptr;
  return menuItems(api_, session_.sync(), session_.icons(), nodes, request);
}

GList* ModuleExtension::backgroundItems(GObject* folder) {
  const auto path = localPath(api_, folder);
  if (!path) return nullptr;
  return items({}, MenuRequest::container(*path));
}

GList* ModuleExtension::fileItems(GList* files, GObject* window) {
  std::vector<extension::SelectedItem> facts;
  std::vector<fs::path> selection;
  for (GList* l = files; l; l = l->next) {
    auto* file = G_OBJECT(l->data);
    const auto path = localPath(api_, file);
    if (!path) {
      session_.host().selectionChanged({}, window);
      return nullptr;
    }
    // The file manager knows whether an item is a folder, a link to one included.
    facts.push_back(extension::SelectedItem::known(*path, api_.isDirectory(file)));
    selection.push_back(*path);
  }
  session_.host().selectionChanged(selection, window);
  if (selection.empty()) return nullptr;
  return items(facts, MenuRequest::items(std::move(selection)));
}

}  // namespace nimbra::hosts
