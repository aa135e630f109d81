#include <gtest/gtest.h>

#include "FakeAppLocator.h"
#include "FakeContentTypes.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/extension/MenuRendering.h"

namespace nimbra::extension {
namespace {

using Node = MenuNode;
using Kind = MenuKind;

// Records the rendered tree as text, to check numbering independently of any host.
struct RecordingHost {
  using Menu = std::vector<std::string>;
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& m) { m.push_back("-"); }
  void addAction(Menu& m, const Node::Action& a, long tag) { m.push_back(a.title + "#" + std::to_string(tag)); }
  void addSubmenu(Menu& m, const Node::Submenu& s, Menu child) {
    m.push_back(s.title + "{");
    m.insert(m.end(), child.begin(), child.end());
    m.push_back("}");
  }
};

class MenuBuilderTest : public ::testing::Test {
 protected:
  MenuBuilderTest() {
    locator_ = std::make_shared<testing::FakeAppLocator>();
    inputs_.newItems = NewItem::builtIns();
    inputs_.sendTo = SendToEntry::defaults();
    inputs_.openWith = OpenWithEntry::defaults();
    inputs_.canOpen = [this](const NewItem& item) {
      ++canOpenCalls_;
      return openable_.contains(item.id);
    };
    inputs_.templateExists = [this](std::string_view resource) { return !missingTemplates_.contains(std::string(resource)); };
    inputs_.locator = locator_;
  }

  std::vector<Node> build(Kind kind) { return buildMenu(kind, &inputs_, context_); }

  void install(const std::string& bundleID, const std::string& name) {
    locator_->installed[bundleID] = AppLocation{"/usr/share/applications/" + bundleID + ".desktop", name};
  }

  void onlyEnable(std::initializer_list<std::string_view> ids) {
    for (auto& item : inputs_.newItems) item.enabled = std::find(ids.begin(), ids.end(), item.id) != ids.end();
  }

  StringTable strings_ = StringTable::fromEntries({{"menu.new", "New"}, {"item.folder.label", "Folder"}});
  testing::FakeContentTypes types_;
  MenuContext context_{strings_, types_};
  std::shared_ptr<testing::FakeAppLocator> locator_;
  MenuInputs inputs_;
  std::set<std::string> openable_;
  std::set<std::string> missingTemplates_;
  int canOpenCalls_ = 0;
};

TEST_F(MenuBuilderTest, NoStoreGivesOnlyFinishSetupForEveryKind) {
  for (int kind : {0, 1, 2, 3, 42, -1}) {
    const auto nodes = buildMenu(static_cast<Kind>(kind), nullptr, context_);
    ASSERT_EQ(nodes.size(), 1u);
    EXPECT_EQ(nodes[0], Node(Node::Action{"menu.finishSetup", std::nullopt, MenuAction::FinishSetup{}}));
  }
}

TEST_F(MenuBuilderTest, ContainerGroupsNewLeavesAndAddsOpenWith) {
  onlyEnable({"folder", "txt", "datedFolder"});
  install("com.apple.Terminal", "GNOME Terminal");
  const auto nodes = build(Kind::contextualMenuForContainer);
  ASSERT_EQ(nodes.size(), 2u);
  const auto* newMenu = nodes[0].as<Node::Submenu>();
  ASSERT_NE(newMenu, nullptr);
  EXPECT_EQ(newMenu->title, "New");
  EXPECT_EQ(newMenu->icon, MenuIcon(MenuIcon::Symbol{"plus.circle"}));
  ASSERT_EQ(newMenu->children.size(), 3u);
  EXPECT_EQ(newMenu->children[0], Node(Node::Action{"Folder", MenuIcon::Folder{}, MenuAction::Create{"folder"}}));
  EXPECT_EQ(newMenu->children[1],
            Node(Node::Action{"item.txt.label", MenuIcon::ContentType{"text/plain"}, MenuAction::Create{"txt"}}));
  EXPECT_EQ(newMenu->children[2].as<Node::Action>()->action, MenuAction(MenuAction::Create{"datedFolder"}));

  const auto* openWith = nodes[1].as<Node::Submenu>();
  ASSERT_NE(openWith, nullptr);
  EXPECT_EQ(openWith->icon, MenuIcon(MenuIcon::Symbol{"arrow.up.forward.app"}));
  ASSERT_EQ(openWith->children.size(), 1u);
  // A known app is titled from the table, whatever the system calls it.
  EXPECT_EQ(openWith->children[0], Node(Node::Action{"Terminal", MenuIcon::App{"com.apple.Terminal"},
                                                     MenuAction::OpenWith{"com.apple.Terminal"}}));
}

TEST_F(MenuBuilderTest, ContainerUngroupedAndEmpty) {
  onlyEnable({"folder", "alias"});
  inputs_.groupNewItems = false;
  auto nodes = build(Kind::contextualMenuForContainer);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[1], Node(Node::Action{"item.alias.label", MenuIcon::Symbol{"arrow.turn.up.right"}, MenuAction::Create{"alias"}}));

  onlyEnable({});
  nodes = build(Kind::contextualMenuForContainer);
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes[0], Node(Node::Action{"menu.customize", std::nullopt, MenuAction::Customize{}}));
  // Unknown kind values build the container menu.
  EXPECT_EQ(build(static_cast<Kind>(7)), nodes);
}

TEST_F(MenuBuilderTest, BundledTypesNeedTheirTemplateAndAnApp) {
  onlyEnable({"word", "excel", "pages"});
  openable_ = {"word"};
  missingTemplates_ = {"blank.pages"};
  inputs_.groupNewItems = false;
  auto ids = [&] {
    std::vector<std::string> result;
    for (const auto& n : build(Kind::contextualMenuForContainer)) {
      if (const auto* create = n.as<Node::Action>()->action.as<MenuAction::Create>()) result.push_back(create->itemID);
    }
    return result;
  };
  EXPECT_EQ(ids(), (std::vector<std::string>{"word"}));
  // The missing template is never asked about openers.
  EXPECT_EQ(canOpenCalls_, 2);
  inputs_.showUnopenableTypes = true;
  EXPECT_EQ(ids(), (std::vector<std::string>{"word", "excel"}));
}

TEST_F(MenuBuilderTest, CustomTypesWithoutKnownTypeHaveNoIcon) {
  inputs_.newItems = {NewItem{"A", NewItemKind::Text{"", false}, "zzz", std::nullopt, std::nullopt, true, false},
                      NewItem{"B", NewItemKind::Text{"", false}, "", std::nullopt, std::nullopt, true, false}};
  inputs_.groupNewItems = false;
  const auto nodes = build(Kind::contextualMenuForContainer);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0], Node(Node::Action{".zzz File", std::nullopt, MenuAction::Create{"A"}}));
  EXPECT_EQ(nodes[1], Node(Node::Action{"New File", MenuIcon::ContentType{"text/plain"}, MenuAction::Create{"B"}}));
}

TEST_F(MenuBuilderTest, ItemsMenuShowsOpenWithOnlyForFolders) {
  install("dev.zed.Zed", "Zed Editor");
  auto nodes = build(Kind::contextualMenuForItems);
  ASSERT_EQ(nodes.size(), 1u);
  const auto* sendTo = nodes[0].as<Node::Submenu>();
  ASSERT_NE(sendTo, nullptr);
  EXPECT_EQ(sendTo->icon, MenuIcon(MenuIcon::Symbol{"paperplane"}));
  ASSERT_EQ(sendTo->children.size(), 5u);
  EXPECT_EQ(sendTo->children[0], Node(Node::Action{"sendTo.zip", MenuIcon::Symbol{"doc.zipper"}, MenuAction::SendTo{SendToAction::zip}}));
  EXPECT_EQ(sendTo->children[2].as<Node::Action>()->icon, MenuIcon(MenuIcon::Symbol{"menubar.dock.rectangle"}));

  inputs_.selectionIsFoldersOnly = true;
  for (auto& e : inputs_.sendTo) e.enabled = false;
  nodes = build(Kind::contextualMenuForItems);
  ASSERT_EQ(nodes.size(), 1u);
  EXPECT_EQ(nodes[0].as<Node::Submenu>()->title, "menu.openWith");
}

TEST_F(MenuBuilderTest, OpenWithTitlesUnknownAppsBySystemNameAndAsksOncePerEnabledEntry) {
  inputs_.openWith = {{"org.example.Editor", true, false}, {"com.microsoft.VSCode", false, true}, {"dev.zed.Zed", true, true}};
  install("org.example.Editor", "Example Editor");
  install("com.microsoft.VSCode", "Code");
  const auto nodes = build(Kind::contextualMenuForSidebar);
  ASSERT_EQ(nodes.size(), 1u);
  const auto& leaves = nodes[0].as<Node::Submenu>()->children;
  ASSERT_EQ(leaves.size(), 1u);
  EXPECT_EQ(leaves[0].as<Node::Action>()->title, "Example Editor");
  EXPECT_EQ(locator_->asked(), (std::vector<std::string>{"org.example.Editor", "dev.zed.Zed"}));

  locator_->installed.clear();
  EXPECT_TRUE(build(Kind::contextualMenuForSidebar).empty());
}

TEST_F(MenuBuilderTest, ToolbarNeverGroupsAndEndsWithCustomize) {
  onlyEnable({});
  auto nodes = build(Kind::toolbarItemMenu);
  ASSERT_EQ(nodes.size(), 2u);
  EXPECT_EQ(nodes[0], Node(Node::Separator{}));
  EXPECT_EQ(nodes[1].as<Node::Action>()->action, MenuAction(MenuAction::Customize{}));

  onlyEnable({"folder", "txt"});
  install("dev.zed.Zed", "Zed");
  nodes = build(Kind::toolbarItemMenu);
  ASSERT_EQ(nodes.size(), 6u);
  EXPECT_NE(nodes[0].as<Node::Action>(), nullptr);
  EXPECT_NE(nodes[1].as<Node::Action>(), nullptr);
  EXPECT_EQ(nodes[2], Node(Node::Separator{}));
  EXPECT_NE(nodes[3].as<Node::Submenu>(), nullptr);
  EXPECT_EQ(nodes[4], Node(Node::Separator{}));
}

TEST_F(MenuBuilderTest, RenderingNumbersLeavesDepthFirst) {
  onlyEnable({"folder", "txt", "rtf"});
  install("dev.zed.Zed", "Zed");
  install("com.apple.Terminal", "Terminal");
  RecordingHost host;
  std::vector<MenuAction> actions;
  const auto nodes = build(Kind::contextualMenuForContainer);
  const auto menu = render(host, std::span<const Node>(nodes), actions);
  EXPECT_EQ(menu, (std::vector<std::string>{"New{", "Folder#0", "item.rtf.label#1", "item.txt.label#2", "}",
                                            "menu.openWith{", "Zed#3", "Terminal#4", "}"}));
  ASSERT_EQ(actions.size(), 5u);
  EXPECT_EQ(actions[0], MenuAction(MenuAction::Create{"folder"}));
  EXPECT_EQ(actions[4], MenuAction(MenuAction::OpenWith{"com.apple.Terminal"}));

  // Action, submenu(action, separator), action: tags 0, 1, 2.
  const std::vector<Node> mixed = {Node::Action{"A", std::nullopt, MenuAction::Customize{}},
                                   Node::Submenu{"S", std::nullopt, {Node::Action{"B", std::nullopt, MenuAction::Customize{}}, Node::Separator{}}},
                                   Node::Action{"C", std::nullopt, MenuAction::FinishSetup{}}};
  actions.clear();
  EXPECT_EQ(render(host, std::span<const Node>(mixed), actions),
            (std::vector<std::string>{"A#0", "S{", "B#1", "-", "}", "C#2"}));
  EXPECT_EQ(actions.size(), 3u);
  EXPECT_TRUE(render(host, std::span<const Node>(), actions).empty());
  EXPECT_EQ(actions.size(), 3u);
}

}  // namespace
}  // namespace nimbra::extension
