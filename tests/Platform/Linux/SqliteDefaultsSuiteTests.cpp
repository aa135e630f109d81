#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <thread>

#include "FileTesting.h"
#include "nimbra/platform/Failure.h"

namespace nimbra::platform {
namespace {

namespace fs = std::filesystem;
using Domain = std::map<std::string, DefaultsValue, std::less<>>;

// Whether the suite stored the value.
bool stored(DefaultsSuite& suite, std::string_view key, const std::optional<DefaultsValue>& value) {
  try {
    suite.setValue(key, value);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

class SqliteDefaultsSuiteTest : public ::testing::Test {
 protected:
  testing::TemporaryFolder dir;

  std::shared_ptr<DefaultsSuite> open() const { return openSuiteIn(dir.path()); }
  fs::path file() const { return dir.path() / kSuiteFileName; }
  std::vector<fs::path> keptAside() const {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
      const auto name = entry.path().filename().string();
      if (name.find(".damaged-") != std::string::npos && !name.ends_with("-wal") && !name.ends_with("-shm")) {
        found.push_back(entry.path());
      }
    }
    std::sort(found.begin(), found.end());
    return found;
  }
};

// Runs `body` in a child process; its return value is the child's exit status.
pid_t spawn(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) {
    int status = 99;
    try {
      status = body();
    } catch (...) {
    }
    _exit(status);
  }
  return pid;
}

int exitStatus(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(SqliteDefaultsSuiteTest, ValuesKeepTheirTypeAndBytesAcrossConnections) {
  const Domain values = {
      {"data", DefaultsData{std::string("\0\xff[1]", 5)}},
      {"emptyData", DefaultsData{}},
      {"yes", true},
      {"no", false},
      {"min", std::numeric_limits<std::int64_t>::min()},
      {"max", std::numeric_limits<std::int64_t>::max()},
      {"text", std::string("Grüße \"1\"")},
      {"emptyText", std::string()},
      {"paths", std::vector<std::string>{"", "/a b", "/latin1-\xe9", std::string("nul\0inside", 10)}},
      {"emptyArray", std::vector<std::string>{}},
  };
  {
    const auto writer = open();
    for (const auto& [key, value] : values) ASSERT_TRUE(stored(*writer, key, value)) << key;
    EXPECT_EQ(*writer->persistentDomain(), values);
  }
  const auto reader = open();
  for (const auto& [key, value] : values) EXPECT_EQ(reader->value(key), value) << key;
  EXPECT_EQ(*reader->persistentDomain(), values);
  ASSERT_TRUE(stored(*reader, "yes", std::string("YES")));  // a new value may have another type
  EXPECT_EQ(open()->value("yes"), DefaultsValue(std::string("YES")));
}

TEST_F(SqliteDefaultsSuiteTest, RegisteredDefaultsAnswerForAbsentKeysAndAreNeverStored) {
  const auto app = open();
  const auto sameProcess = open();
  app->registerDefaults({{"registeredKey", true}});
  EXPECT_EQ(sameProcess->value("registeredKey"), DefaultsValue(true));
  EXPECT_TRUE(app->persistentDomain()->empty());

  ASSERT_TRUE(stored(*sameProcess, "registeredKey", false));
  EXPECT_EQ(app->value("registeredKey"), DefaultsValue(false));
  ASSERT_TRUE(stored(*sameProcess, "registeredKey", std::nullopt));
  EXPECT_EQ(app->value("registeredKey"), DefaultsValue(true));
}

TEST_F(SqliteDefaultsSuiteTest, ChangeCountMovesWithEveryWriteFromAnyConnection) {
  const auto reader = open();
  const auto writer = open();
  const auto first = reader->changeCount();
  EXPECT_EQ(reader->changeCount(), first);
  ASSERT_TRUE(stored(*writer, "k", std::int64_t{1}));
  const auto afterOther = reader->changeCount();
  EXPECT_NE(afterOther, first);
  EXPECT_EQ(reader->changeCount(), afterOther);
  ASSERT_TRUE(stored(*reader, "k", std::int64_t{2}));
  EXPECT_NE(reader->changeCount(), afterOther);
}

TEST_F(SqliteDefaultsSuiteTest, AWriteQueuesBehindAnotherLongerThanAReadWouldWait) {
  const auto suite = openSuiteIn(dir.path(), std::chrono::milliseconds(50));
  ASSERT_TRUE(stored(*suite, "k", true));
  // Another process's write in progress, holding the write lock for 300 ms.
  sqlite3* theirs = nullptr;
  sqlite3_open(file().c_str(), &theirs);
  sqlite3_exec(theirs, "BEGIN IMMEDIATE; INSERT INTO defaults VALUES ('theirs', 'bool', 1)", nullptr, nullptr, nullptr);
  EXPECT_EQ(suite->value("k"), DefaultsValue(true));  // reads go on meanwhile
  std::thread later([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    sqlite3_exec(theirs, "COMMIT", nullptr, nullptr, nullptr);
  });
  EXPECT_TRUE(stored(*suite, "k", false));
  later.join();
  sqlite3_close(theirs);
  EXPECT_EQ(*suite->persistentDomain(), (Domain{{"k", false}, {"theirs", true}}));
}

TEST_F(SqliteDefaultsSuiteTest, ThreadsShareOneSuite) {
  const auto suite = open();
  std::atomic<int> failures = 0;
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&, t] {
      const std::string key = "thread" + std::to_string(t);
      for (std::int64_t i = 0; i < 200; ++i) {
        if (!stored(*suite, key, i) || suite->value(key) != DefaultsValue(i)) ++failures;
        suite->value("thread" + std::to_string((t + 1) % 4));
        suite->changeCount();
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(suite->persistentDomain()->size(), 4u);
}

TEST_F(SqliteDefaultsSuiteTest, TwoProcessesInterleavingWritesLoseNothing) {
  constexpr std::int64_t kRounds = 1500;
  int start[2];
  ASSERT_EQ(pipe(start), 0);
  const auto writer = [&](int me) {
    return [&, me]() -> int {
      const auto suite = openSuiteIn(dir.path());
      char go;
      if (read(start[0], &go, 1) != 1) return 3;
      const std::string mine = "p" + std::to_string(me), theirs = "p" + std::to_string(1 - me);
      std::int64_t seen = -1;
      for (std::int64_t i = 0; i < kRounds; ++i) {
        if (!stored(*suite, mine + "." + std::to_string(i), i) || !stored(*suite, mine + ".last", i)) return 4;
        const auto other = suite->value(theirs + ".last");
        const auto now = other ? std::get<std::int64_t>(*other) : -1;
        if (now < seen) return 5;  // a value went back in time
        seen = now;
      }
      return 0;
    };
  };
  const pid_t first = spawn(writer(0));
  const pid_t second = spawn(writer(1));
  ASSERT_EQ(write(start[1], "go", 2), 2);
  EXPECT_EQ(exitStatus(first), 0);
  EXPECT_EQ(exitStatus(second), 0);

  const auto domain = *open()->persistentDomain();
  EXPECT_EQ(domain.size(), static_cast<std::size_t>(2 * (kRounds + 1)));
  for (const std::string p : {"p0", "p1"}) {
    EXPECT_EQ(domain.at(p + ".last"), DefaultsValue(kRounds - 1));
    for (std::int64_t i = 0; i < kRounds; ++i) ASSERT_EQ(domain.at(p + "." + std::to_string(i)), DefaultsValue(i)) << p << i;
  }
}

TEST_F(SqliteDefaultsSuiteTest, AWriterKilledMidWriteLeavesTheOldValueOrTheNew) {
  constexpr std::size_t kSize = 512 * 1024;
  std::mt19937 random(std::random_device{}());
  for (int round = 0; round < 6; ++round) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = spawn([&]() -> int {
      const auto suite = openSuiteIn(dir.path());
      for (unsigned i = 0;; ++i) {
        if (!stored(*suite, "blob", DefaultsData{std::string(kSize, static_cast<char>('a' + i % 26))})) return 3;
        if (i == 0 && write(ready[1], "w", 1) != 1) return 4;
      }
    });
    char byte;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    close(ready[0]);
    close(ready[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
    kill(child, SIGKILL);
    ASSERT_EQ(exitStatus(child), -1);

    const auto suite = open();
    const auto blob = suite->value("blob");
    ASSERT_TRUE(blob);
    const auto& bytes = std::get<DefaultsData>(*blob).bytes;
    ASSERT_EQ(bytes.size(), kSize);
    EXPECT_EQ(bytes.find_first_not_of(bytes[0]), std::string::npos);
    EXPECT_TRUE(stored(*suite, "after", std::int64_t{round}));
  }
  EXPECT_TRUE(keptAside().empty());
}

TEST_F(SqliteDefaultsSuiteTest, ADamagedFileIsKeptAsideAndAFreshSuiteStarts) {
  const std::string garbage = "this is not a database, just some bytes that were here before\n";
  std::ofstream(file(), std::ios::binary) << garbage;
  auto suite = open();
  EXPECT_TRUE(suite->persistentDomain()->empty());
  EXPECT_TRUE(stored(*suite, "k", true));
  ASSERT_EQ(keptAside().size(), 1u);
  EXPECT_EQ(testing::readText(keptAside()[0]), garbage);
  suite.reset();

  // A truncated suite: enough values for many pages, then half of the file cut off.
  {
    const auto filled = open();
    for (int i = 0; i < 200; ++i) ASSERT_TRUE(stored(*filled, "key" + std::to_string(i), DefaultsData{std::string(2000, 'x')}));
  }
  ASSERT_FALSE(fs::exists(file().string() + "-wal"));
  const auto full = testing::readText(file());
  fs::resize_file(file(), full.size() / 2);

  suite = open();
  EXPECT_TRUE(suite->persistentDomain()->empty());
  EXPECT_TRUE(stored(*suite, "k", false));
  EXPECT_EQ(open()->value("k"), DefaultsValue(false));
  const auto aside = keptAside();
  ASSERT_EQ(aside.size(), 2u);  // the earlier one is not overwritten
  EXPECT_EQ(testing::readText(aside[0]), garbage);
  EXPECT_EQ(testing::readText(aside[1]), full.substr(0, full.size() / 2));
}

TEST_F(SqliteDefaultsSuiteTest, ASuiteThatCannotBeOpenedIsLeftAlone) {
  fs::create_directory(file());
  EXPECT_THROW(openSuiteIn(dir.path()), Failure);
  EXPECT_TRUE(fs::is_directory(file()));
  EXPECT_TRUE(keptAside().empty());
}

// Where the hosts' worlds find the suite is their tests' to show.
TEST_F(SqliteDefaultsSuiteTest, TheContainerIsPrivateAndAFileInItsPlaceMeansNoSuite) {
  testing::ScopedEnvironment env;
  env.set("XDG_CONFIG_HOME", dir.path().c_str());
  ASSERT_TRUE(openSharedSuite());
  EXPECT_EQ(fs::status(dir.path() / kApplicationGroup).permissions(), fs::perms::owner_all);
  std::ofstream(dir.path() / "blocked") << "x";
  env.set("XDG_CONFIG_HOME", (dir.path() / "blocked").c_str());
  EXPECT_THROW(openSharedSuite(), Failure);
}

}  // namespace
}  // namespace nimbra::platform
