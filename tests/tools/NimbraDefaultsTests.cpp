// nimbra-defaults end to end, against a fresh configuration folder, and the
// values it writes as the store and nimbra-menu read them.

#include <fcntl.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <fstream>

#include "TemporaryDirectory.h"
#include "nimbra/JsonCoding.h"
#include "nimbra/SettingsStore.h"

extern char** environ;

namespace nimbra {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

struct Finished {
  int status = -1;
  std::string out;
  std::string err;
};

class NimbraDefaultsTest : public ::testing::Test {
 protected:
  testing::TemporaryDirectory dir;
  fs::path bin = std::getenv("NIMBRA_BIN_DIR");

  void SetUp() override {
    setenv("XDG_CONFIG_HOME", (dir.path() / "config").c_str(), 1);
    setenv("LC_ALL", "C", 1);  // menu titles in English
  }
  void TearDown() override { unsetenv("XDG_CONFIG_HOME"); }

  Finished run(const std::string& program, std::vector<std::string> args) const {
    const auto outFile = dir.path() / "out", errFile = dir.path() / "err";
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&files, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const auto path = (bin / program).string();
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Finished result;
    if (posix_spawn(&pid, path.c_str(), &files, nullptr, argv.data(), environ) == 0) {
      int status = 0;
      waitpid(pid, &status, 0);
      result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&files);
    result.out = read(outFile);
    result.err = read(errFile);
    return result;
  }
  Finished defaults(std::vector<std::string> args) const { return run("nimbra-defaults", std::move(args)); }
  static std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  fs::path writeFile(const std::string& name, const std::string& bytes) const {
    std::ofstream(dir.path() / name, std::ios::binary) << bytes;
    return dir.path() / name;
  }
};

TEST_F(NimbraDefaultsTest, WritesAndReadsEveryTypeInAFreshConfigurationFolder) {
  EXPECT_EQ(defaults({"read"}).status, 0);
  EXPECT_EQ(defaults({"read"}).out, "");

  const std::string bytes("[1,\0\xff]", 6);
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"write", "flag", "-bool", "false"},
           {"write", "count", "-int", "-12"},
           {"write", "name", "-string", "two words"},
           {"write", "paths", "-array", "/a", "/b c"},
           {"write", "blob", "-data-file", writeFile("blob", bytes).string()},
       }) {
    const auto result = defaults(args);
    EXPECT_EQ(result.status, 0) << args[1] << result.err;
  }
  EXPECT_EQ(defaults({"read", "flag"}).out, "false\n");
  EXPECT_EQ(defaults({"read", "count"}).out, "-12\n");
  EXPECT_EQ(defaults({"read", "name"}).out, "two words\n");
  EXPECT_EQ(defaults({"read", "paths"}).out, "/a\n/b c\n");
  EXPECT_EQ(defaults({"read", "blob"}).out, bytes);
  EXPECT_EQ(defaults({"read"}).out,
            "blob: data (6 bytes) \"[1,\\x00\xff]\"\n"
            "count: integer -12\n"
            "flag: bool false\n"
            "name: string \"two words\"\n"
            "paths: array [\"/a\", \"/b c\"]\n");

  EXPECT_EQ(defaults({"delete", "flag"}).status, 0);
  EXPECT_TRUE(fs::exists(dir.path() / "config" / "K4W81H3Q06.ai.corvane.nimbra" / "defaults.sqlite"));
  const auto absent = defaults({"read", "flag"});
  EXPECT_EQ(absent.status, 1);
  EXPECT_EQ(absent.err, "no value for flag\n");
  EXPECT_EQ(defaults({"delete", "flag"}).status, 1);
}

TEST_F(NimbraDefaultsTest, BadUsageShowsTheUsage) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {}, {"read", "a", "b"}, {"write", "k"}, {"write", "k", "-int", "1.5"}, {"write", "k", "-bool", "maybe"},
           {"write", "k", "-string"}, {"write", "k", "-float", "1"}, {"delete"}}) {
    const auto result = defaults(args);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(args);
    EXPECT_THAT(result.err, StartsWith("usage: nimbra-defaults"));
  }
  EXPECT_EQ(defaults({"write", "k", "-data-file", (dir.path() / "missing").string()}).status, 1);
  const auto folder = defaults({"write", "k", "-data-file", dir.path().string()});
  EXPECT_EQ(folder.status, 1);
  EXPECT_THAT(folder.err, StartsWith("nimbra-defaults: cannot read "));
}

TEST_F(NimbraDefaultsTest, AListWrittenFromAFileIsWhatTheStoreReturnsAfterRepair) {
  const NewItem custom{"C1", NewItemKind::Text{"x", false}, "abc", "Mine", std::nullopt, true, false};
  auto txt = NewItem::builtIns()[9];
  txt.enabled = false;
  const auto json = encodeNewItems({custom, txt});
  ASSERT_EQ(defaults({"write", "newItems", "-data-file", writeFile("list.json", json).string()}).status, 0);

  const auto store = SettingsStore::open(platform::openSharedSuite());
  ASSERT_TRUE(store);
  const auto items = store->newItems();
  ASSERT_EQ(items.size(), 26u);
  EXPECT_EQ(items[0], custom);
  EXPECT_EQ(items[1], txt);
  EXPECT_EQ(items[2].id, "folder");
  EXPECT_FALSE(items[2].enabled);
  EXPECT_EQ(defaults({"read", "newItems"}).out, json);
}

TEST_F(NimbraDefaultsTest, NimbraMenuTakesItsSettingsFromTheStore) {
  EXPECT_THAT(run("nimbra-menu", {"container"}).out, HasSubstr("New \u25B8"));
  ASSERT_EQ(defaults({"write", "groupNewItems", "-bool", "false"}).status, 0);
  const auto ungrouped = run("nimbra-menu", {"container"});
  EXPECT_THAT(ungrouped.out, Not(HasSubstr("New \u25B8")));
  EXPECT_THAT(ungrouped.out, HasSubstr("] Folder"));

  // No reachable container: every kind gets the finish-setup menu.
  setenv("XDG_CONFIG_HOME", writeFile("not-a-folder", "x").c_str(), 1);
  for (const std::string kind : {"items", "container", "sidebar", "toolbar"}) {
    const auto result = run("nimbra-menu", {kind, "--json"});
    EXPECT_EQ(result.status, 0);
    EXPECT_THAT(result.out, HasSubstr(R"("action":{"finishSetup":{}})")) << kind;
    EXPECT_THAT(result.out, Not(HasSubstr("create"))) << kind;
  }
}

}  // namespace
}  // namespace nimbra
