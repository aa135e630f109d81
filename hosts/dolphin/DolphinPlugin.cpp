// The Dolphin plugin (a KIO file-item action plugin, KF5): the items menu for
// selected items, the container menu for a folder's background. Dolphin asks with
// the folder it shows as the only item for its background; that folder is the
// location of its active URL navigator, which no selected item can be.

// GLib's headers first: Qt's keyword macros (signals, slots) would break them.
#include "DolphinHost.h"
#include "ExtensionSession.h"
#include "QtMenus.h"

#include <KAbstractFileItemActionPlugin>
#include <KFileItem>
#include <KFileItemListProperties>
#include <KPluginFactory>
#include <KUrlNavigator>
#include <QAction>
#include <QWidget>

#include <chrono>
#include <exception>
#include <memory>


namespace nimbra::dolphin {
namespace {

constexpr std::chrono::milliseconds kFirstMenuWait{500};

// One running extension for the whole process, set up with the first plugin Dolphin
// makes, however many it makes after (one per file-item action list), and never
// torn down: its background work may still be running when Dolphin quits.
hosts::ExtensionSession& session() {
  static auto* const running = [] {
    hosts::stayResident();
    return new hosts::ExtensionSession(std::make_shared<DolphinHost>());
  }();
  return *running;
}

bool showsFolder(const QWidget* window, const QUrl& folder) {
  if (!window) return false;
  const auto navigators = window->findChildren<KUrlNavigator*>();
  for (const auto* navigator : navigators) {
    if (navigator->isActive() &&
        navigator->locationUrl().adjusted(QUrl::StripTrailingSlash) == folder.adjusted(QUrl::StripTrailingSlash)) {
      return true;
    }
  }
  return false;
}

}  // namespace

class DolphinPlugin final : public KAbstractFileItemActionPlugin {
  Q_OBJECT

 public:
  DolphinPlugin(QObject* parent, const QVariantList&) : KAbstractFileItemActionPlugin(parent) { session(); }

  QList<QAction*> actions(const KFileItemListProperties& properties, QWidget* parentWidget) override {
    // Called from Dolphin's menu code: nothing may escape into it.
    try {
      return menu(properties, parentWidget);
    } catch (const std::exception& error) {
      hosts::logMenuFailure(error.what());
    } catch (...) {
      hosts::logMenuFailure(nullptr);
    }
    return {};
  }

 private:
  QList<QAction*> menu(const KFileItemListProperties& properties, QWidget* parentWidget) {
    // Dolphin makes the first plugin for its first menu: that menu waits for the
    // set-up, briefly, rather than coming without ours.
    [[maybe_unused]] static const bool ready = session().awaitReady(kFirstMenuWait);
    // The last menu's actions go: that menu has closed once another is asked for.
    menuActions_ = std::make_unique<QObject>();
    std::vector<extension::SelectedItem> facts;
    std::vector<std::filesystem::path> selection;
    const auto items = properties.items();
    for (const auto& item : items) {
      if (!item.url().isLocalFile()) return {};
      const std::filesystem::path path = item.url().toLocalFile().toStdString();
      // Dolphin knows whether an item is a folder, a link to one included.
      facts.push_back(extension::SelectedItem::known(path, item.isDir()));
      selection.push_back(path);
    }
    if (selection.empty()) return {};
    const bool background = items.size() == 1 && items.first().isDir() && showsFolder(parentWidget, items.first().url());
    const auto request = background ? MenuRequest::container(selection.front()) : MenuRequest::items(selection);
    const auto nodes = session().nodes(request.kind, background ? std::span<const extension::SelectedItem>() : facts);
    if (nodes.empty()) return {};
    return qtMenu(menuActions_.get(), session().sync(), session().icons(), nodes, request);
  }

  std::unique_ptr<QObject> menuActions_;
};

K_PLUGIN_CLASS_WITH_JSON(DolphinPlugin, "nimbra-dolphin.json")

}  // namespace nimbra::dolphin

#include "DolphinPlugin.moc"
