#include <gtest/gtest.h>

#include <set>

#include "FakeContentTypes.h"
#include "FakeWorkspace.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/MenuBuilder.h"
#include "nimbra/extension/MenuRendering.h"

namespace nimbra::extension {
namespace {

using Node = MenuNode;
using Kind = MenuKind;

// The tree on one line: a leaf's title, "Title[children]" for a submenu, "-" for a separator.
std::string shape(const std::vector<Node>& nodes) {
  std::string out;
  for (const auto& node : nodes) {
    if (!out.empty()) out += ' ';
    if (const auto* action = node.as<Node::Action>()) out += action->title;
    if (const auto* submenu = node.as<Node::Submenu>()) out += submenu->title + "[" + shape(submenu->children) + "]";
    if (node.as<Node::Separator>()) out += "-";
  }
  return out;
}

// The CLI and module tests show the default menus; these cover what their worlds never set.
class MenuBuilderTest : public ::testing::Test {
 protected:
  MenuBuilderTest() {
    inputs_.newItems = NewItem::builtIns();
    only({"folder", "txt"});
    inputs_.sendTo = SendToEntry::defaults();
    inputs_.openWith = {{"com.apple.Terminal", true, true}, {"org.example.Editor", true, false}, {"dev.zed.Zed", false, true}};
    inputs_.canOpen = [this](const NewItem& item) { return openable_.contains(item.id); };
    inputs_.templateExists = [](std::string_view resource) { return resource != "blank.pages"; };
    inputs_.locator = std::make_shared<WorkspaceAppLocator>(apps_);
  }

  std::string build(Kind kind) { return shape(buildMenu(kind, &inputs_, context_)); }
  void only(const std::set<std::string>& ids) {
    for (auto& item : inputs_.newItems) item.enabled = ids.contains(item.id);
  }

  StringTable strings_ = StringTable::fromEntries({});
  testing::FakeContentTypes types_;
  MenuContext context_{strings_, types_};
  std::shared_ptr<testing::FakeWorkspace> apps_ = std::make_shared<testing::FakeWorkspace>();
  MenuInputs inputs_;
  std::set<std::string> openable_;
};

TEST_F(MenuBuilderTest, EachKindPlacesItsPartsAndOpenWithListsOnlyEnabledInstalledApps) {
  for (const auto* id : {"com.apple.Terminal", "org.example.Editor", "dev.zed.Zed"}) {
    apps_->installed[id] = AppLocation{std::string("/apps/") + id + ".desktop", std::string("System ") + id};
  }
  inputs_.sendTo[1].enabled = false;
  // A known app is titled from the table, another by the system's name; Zed is switched off.
  const std::string openWith = "menu.openWith[Terminal System org.example.Editor]";
  const std::string sendTo = "menu.sendTo[sendTo.zip sendTo.desktop sendTo.documents sendTo.otherFolder]";
  EXPECT_EQ(build(Kind::contextualMenuForContainer), "menu.new[item.folder.label item.txt.label] " + openWith);
  EXPECT_EQ(build(Kind::toolbarItemMenu), "item.folder.label item.txt.label - " + openWith + " - menu.customize");
  EXPECT_EQ(build(Kind::contextualMenuForSidebar), openWith);
  EXPECT_EQ(build(Kind::contextualMenuForItems), sendTo);
  inputs_.selectionIsFoldersOnly = true;
  EXPECT_EQ(build(Kind::contextualMenuForItems), sendTo + " " + openWith);
}

TEST_F(MenuBuilderTest, EmptyPartsAreLeftOut) {
  inputs_.groupNewItems = false;
  EXPECT_EQ(build(Kind::contextualMenuForContainer), "item.folder.label item.txt.label");
  only({});
  for (auto& entry : inputs_.sendTo) entry.enabled = false;
  EXPECT_EQ(build(Kind::contextualMenuForContainer), "menu.customize");
  EXPECT_EQ(build(Kind::toolbarItemMenu), "- menu.customize");
  EXPECT_EQ(build(Kind::contextualMenuForItems), "");
}

TEST_F(MenuBuilderTest, OfficeDocumentsNeedTheirTemplateAndAnAppUnlessUnopenableTypesAreShown) {
  only({"word", "excel", "pages"});
  inputs_.groupNewItems = false;
  openable_ = {"word", "pages"};
  EXPECT_EQ(build(Kind::contextualMenuForContainer), "item.word.label");
  inputs_.showUnopenableTypes = true;
  EXPECT_EQ(build(Kind::contextualMenuForContainer), "item.word.label item.excel.label");
}

TEST_F(MenuBuilderTest, NewLeavesShowAFolderASymbolTheirTypeOrNothing) {
  only({"datedFolder", "alias", "txt"});
  inputs_.newItems.push_back(NewItem{"C", NewItemKind::Text{"", false}, "zzz", std::nullopt, std::nullopt, true, false});
  std::vector<std::optional<MenuIcon>> icons;
  for (const auto& node : newItemNodes(inputs_, context_)) icons.push_back(node.as<Node::Action>()->icon);
  EXPECT_EQ(icons, (std::vector<std::optional<MenuIcon>>{MenuIcon::Symbol{"arrow.turn.up.right"}, MenuIcon::ContentType{"text/plain"},
                                                         MenuIcon::Folder{}, std::nullopt}));
}

// Records what a host is given, to check the numbering of the leaves.
struct TagsHost {
  using Menu = std::string;
  Menu makeMenu() { return {}; }
  void addSeparator(Menu& m) { m += "- "; }
  void addAction(Menu& m, const Node::Action& a, long tag) { m += a.title + "#" + std::to_string(tag) + " "; }
  void addSubmenu(Menu& m, const Node::Submenu& s, Menu child) { m += s.title + "[ " + child + "] "; }
};

TEST(MenuRendering, NumbersLeavesDepthFirstAndSeparatorsTakeNoTag) {
  const std::vector<Node> tree = {
      Node::Action{"A", std::nullopt, MenuAction::Customize{}},
      Node::Submenu{"S", std::nullopt, {Node::Separator{}, Node::Action{"B", std::nullopt, MenuAction::FinishSetup{}}}},
      Node::Action{"C", std::nullopt, MenuAction::Create{"txt"}}};
  TagsHost host;
  std::vector<MenuAction> actions;
  EXPECT_EQ(render(host, std::span<const Node>(tree), actions), "A#0 S[ - B#1 ] C#2 ");
  EXPECT_EQ(actions, (std::vector<MenuAction>{MenuAction::Customize{}, MenuAction::FinishSetup{}, MenuAction::Create{"txt"}}));
}

}  // namespace
}  // namespace nimbra::extension
