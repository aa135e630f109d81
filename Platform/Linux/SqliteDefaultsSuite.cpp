#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

#include "nimbra/platform/Failure.h"
#include "nimbra/platform/UserFolders.h"
#include "nimbra/platform/linux/JournalLog.h"
#include "nimbra/platform/linux/StringArrayCoding.h"

#include <fcntl.h>
#include <glib.h>
#include <sqlite3.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <chrono>
#include <climits>
#include <mutex>
#include <thread>

namespace nimbra::platform {
namespace {

using std::filesystem::path;

// Writers from the two processes queue behind each other instead of failing;
// opening (and checking) the file waits as long. Reads wait as the opener says.
constexpr int kWriteWaitMs = 10000;
// How long opening waits for another process that is opening or repairing the suite.
constexpr auto kOpenLockWait = std::chrono::seconds(2);

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS defaults ("
    " key TEXT PRIMARY KEY NOT NULL,"
    " type TEXT NOT NULL,"
    " value) WITHOUT ROWID";

// Stored type names, readable with the sqlite3 shell.
constexpr std::string_view kTypeNames[] = {"data", "bool", "integer", "string", "array"};
static_assert(std::size(kTypeNames) == std::variant_size_v<DefaultsValue>);

struct StatementDeleter {
  void operator()(sqlite3_stmt* s) const { sqlite3_finalize(s); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

struct DatabaseDeleter {
  // close_v2 waits for the statements of the connection to be finalized.
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseDeleter>;

// Resets a statement for its next use however the current one ends.
class Use {
 public:
  explicit Use(const Statement& s) : s_(s.get()) {}
  ~Use() {
    sqlite3_reset(s_);
    sqlite3_clear_bindings(s_);
  }
  Use(const Use&) = delete;
  Use& operator=(const Use&) = delete;
  sqlite3_stmt* get() const { return s_; }

 private:
  sqlite3_stmt* s_;
};

// Straight to the journal: GLib's default writer prints on the host's stderr and
// aborts the host when it runs with fatal warnings.
void logWarning(const std::string& message) {
  static const auto log = journalLog("settings");
  log->error(message);
}

std::string_view columnBytes(sqlite3_stmt* s, int column) {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(s, column));
  const auto size = static_cast<std::size_t>(sqlite3_column_bytes(s, column));
  return bytes ? std::string_view(bytes, size) : std::string_view();
}

// Columns (type, value) of a row; nothing when the row holds no value we know.
std::optional<DefaultsValue> readValue(sqlite3_stmt* s, int typeColumn) {
  const auto type = columnBytes(s, typeColumn);
  const int valueColumn = typeColumn + 1;
  if (type == "data") return DefaultsData{std::string(columnBytes(s, valueColumn))};
  if (type == "bool") return sqlite3_column_int64(s, valueColumn) != 0;
  if (type == "integer") return static_cast<std::int64_t>(sqlite3_column_int64(s, valueColumn));
  if (type == "string") return std::string(columnBytes(s, valueColumn));
  if (type == "array") {
    if (auto elements = decodeStringArray(columnBytes(s, valueColumn))) return std::move(*elements);
  }
  return std::nullopt;
}

// Binds (type, value) at `index` and `index + 1`; `storage` keeps encoded bytes alive until the step.
void bindValue(sqlite3_stmt* s, int index, const DefaultsValue& value, std::string& storage) {
  const auto type = kTypeNames[value.index()];
  sqlite3_bind_text(s, index, type.data(), static_cast<int>(type.size()), SQLITE_STATIC);
  std::visit(
      [&](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, DefaultsData>) {
          sqlite3_bind_blob64(s, index + 1, v.bytes.data(), v.bytes.size(), SQLITE_STATIC);
        } else if constexpr (std::is_same_v<V, bool>) {
          sqlite3_bind_int(s, index + 1, v ? 1 : 0);
        } else if constexpr (std::is_same_v<V, std::int64_t>) {
          sqlite3_bind_int64(s, index + 1, v);
        } else if constexpr (std::is_same_v<V, std::string>) {
          sqlite3_bind_text64(s, index + 1, v.data(), v.size(), SQLITE_STATIC, SQLITE_UTF8);
        } else {
          storage = encodeStringArray(v);
          sqlite3_bind_blob64(s, index + 1, storage.data(), storage.size(), SQLITE_STATIC);
        }
      },
      value);
}

enum class Outcome { opened, damaged, unavailable };

struct Connection {
  Database db;
  Statement select, upsert, remove, all, dataVersion;
  int failure = SQLITE_OK;  // why it did not open
};

// The errno that says what an SQLite failure means to people; the OS's own where it had one.
int errnoOf(sqlite3* db, int rc) {
  switch (rc & 0xff) {
    case SQLITE_IOERR:
    case SQLITE_CANTOPEN:
      if (const int system = db ? sqlite3_system_errno(db) : 0) return system;
      return (rc & 0xff) == SQLITE_IOERR ? EIO : EACCES;
    case SQLITE_FULL: return ENOSPC;
    case SQLITE_READONLY: return EROFS;
    case SQLITE_BUSY:
    case SQLITE_LOCKED: return EBUSY;
    case SQLITE_PERM:
    case SQLITE_AUTH: return EACCES;
    case SQLITE_NOMEM: return ENOMEM;
    default: return EIO;
  }
}

[[noreturn]] void fail(Operation operation, sqlite3* db, int rc, const path& file) {
  throw Failure(operation, std::error_code(errnoOf(db, rc), std::generic_category()), file, {}, sqlite3_errstr(rc));
}

Outcome classify(Connection& c, int rc) {
  c.failure = rc;
  const int primary = rc & 0xff;
  return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT ? Outcome::damaged : Outcome::unavailable;
}

enum class Check { integrity, shapeOnly };

// Opens the database and checks that it is a readable suite of our shape; the
// integrity scan once per open of the suite, by its first connection.
Outcome connect(const path& file, Connection& c, Check check) {
  sqlite3* raw = nullptr;
  const int openRc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  c.db.reset(raw);
  if (openRc != SQLITE_OK) return classify(c, openRc);
  sqlite3_extended_result_codes(raw, 1);
  sqlite3_busy_timeout(raw, kWriteWaitMs);

  // synchronous=FULL makes each commit durable when the write returns.
  for (const char* sql : {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=FULL", kSchema}) {
    if (const int rc = sqlite3_exec(raw, sql, nullptr, nullptr, nullptr); rc != SQLITE_OK) return classify(c, rc);
  }

  if (check == Check::integrity) {
    Statement scan;
    sqlite3_stmt* s = nullptr;
    if (const int rc = sqlite3_prepare_v2(raw, "PRAGMA quick_check", -1, &s, nullptr); rc != SQLITE_OK) return classify(c, rc);
    scan.reset(s);
    const int rc = sqlite3_step(s);
    if (rc != SQLITE_ROW) return classify(c, rc);
    if (columnBytes(s, 0) != "ok") return classify(c, SQLITE_CORRUPT);
  }

  const std::pair<Statement*, const char*> statements[] = {
      {&c.select, "SELECT type, value FROM defaults WHERE key = ?1"},
      {&c.upsert,
       "INSERT INTO defaults (key, type, value) VALUES (?1, ?2, ?3)"
       " ON CONFLICT (key) DO UPDATE SET type = excluded.type, value = excluded.value"},
      {&c.remove, "DELETE FROM defaults WHERE key = ?1"},
      {&c.all, "SELECT key, type, value FROM defaults ORDER BY key"},
      {&c.dataVersion, "PRAGMA data_version"},
  };
  for (const auto& [statement, sql] : statements) {
    sqlite3_stmt* s = nullptr;
    const int rc = sqlite3_prepare_v3(raw, sql, -1, SQLITE_PREPARE_PERSISTENT, &s, nullptr);
    // A table of that name with other columns is not our suite either.
    if (rc == SQLITE_ERROR) return classify(c, SQLITE_CORRUPT);
    if (rc != SQLITE_OK) return classify(c, rc);
    statement->reset(s);
  }
  return Outcome::opened;
}

// Renames `from` to `to` unless `to` exists.
bool renameNoReplace(const path& from, const path& to) {
  return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0;
}

// Moves the damaged database, with its journal files, to a free name beside it.
std::optional<path> keepAside(const path& file) {
  char stamp[32] = {};
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);

  path aside;
  for (int n = 1;; ++n) {
    aside = file;
    aside += ".damaged-" + std::string(stamp) + (n > 1 ? "-" + std::to_string(n) : "");
    if (renameNoReplace(file, aside)) break;
    if (errno != EEXIST) return std::nullopt;
  }
  // A stale WAL left beside a fresh database would be replayed into it.
  for (const char* suffix : {"-wal", "-shm"}) {
    path journal = file, journalAside = aside;
    journal += suffix;
    journalAside += suffix;
    if (!renameNoReplace(journal, journalAside) && errno != ENOENT) return std::nullopt;
  }
  return aside;
}

// Serialises opening (and repairing) between processes, so one never moves
// aside the fresh suite another has just started. Waits a bounded time: a process
// stuck while holding it must not keep every other one from its settings.
class OpenLock {
 public:
  explicit OpenLock(const path& container) {
    fd_ = ::open((container / "defaults.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + kOpenLockWait;
    while (flock(fd_, LOCK_EX | LOCK_NB) != 0) {
      if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) {
        ::close(fd_);
        fd_ = -1;
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }
  ~OpenLock() {
    if (fd_ >= 0) ::close(fd_);
  }
  OpenLock(const OpenLock&) = delete;
  OpenLock& operator=(const OpenLock&) = delete;
  bool held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// One registration domain per process, shared by every suite object. Never
// destroyed, so a late reader at exit still finds it.
struct RegistrationDomain {
  std::mutex mutex;
  std::map<std::string, DefaultsValue, std::less<>> values;
};

RegistrationDomain& registrationDomain() {
  static auto* domain = new RegistrationDomain;
  return *domain;
}

// Reads and writes go through connections of their own, so a read (a menu
// request) never queues behind this process's write waiting for the other
// process: in WAL mode readers are not held up by writers.
class SqliteDefaultsSuite final : public DefaultsSuite {
 public:
  SqliteDefaultsSuite(path file, Connection reader, Connection writer, std::chrono::milliseconds readWait)
      : file_(std::move(file)), reader_(std::move(reader)), writer_(std::move(writer)) {
    sqlite3_busy_timeout(reader_.db.get(), static_cast<int>(std::min<std::chrono::milliseconds::rep>(readWait.count(), INT_MAX)));
  }

  std::optional<DefaultsValue> value(std::string_view key) const override {
    {
      std::lock_guard lock(readMutex_);
      const Use use(reader_.select);
      sqlite3_bind_text(use.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
      const int rc = sqlite3_step(use.get());
      if (rc == SQLITE_ROW) return readValue(use.get(), 0);
      if (rc != SQLITE_DONE) logFailure("read", key, rc);
    }
    auto& domain = registrationDomain();
    std::lock_guard registered(domain.mutex);
    const auto it = domain.values.find(key);
    if (it == domain.values.end()) return std::nullopt;
    return it->second;
  }

  void setValue(std::string_view key, const std::optional<DefaultsValue>& value) override {
    std::lock_guard lock(writeMutex_);
    const Use use(value ? writer_.upsert : writer_.remove);
    sqlite3_bind_text(use.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    std::string storage;
    if (value) bindValue(use.get(), 2, *value, storage);
    const int rc = sqlite3_step(use.get());
    if (rc != SQLITE_DONE) fail(Operation::storeSetting, writer_.db.get(), rc, file_);
  }

  void registerDefaults(const std::map<std::string, DefaultsValue, std::less<>>& values) override {
    auto& domain = registrationDomain();
    std::lock_guard lock(domain.mutex);
    for (const auto& [key, value] : values) domain.values.insert_or_assign(key, value);
  }

  std::optional<Domain> persistentDomain() const override {
    std::lock_guard lock(readMutex_);
    Domain domain;
    const Use use(reader_.all);
    int rc;
    while ((rc = sqlite3_step(use.get())) == SQLITE_ROW) {
      if (auto value = readValue(use.get(), 1)) domain.emplace(columnBytes(use.get(), 0), std::move(*value));
    }
    if (rc != SQLITE_DONE) {
      logFailure("read", "*", rc);
      return std::nullopt;
    }
    return domain;
  }

  std::uint64_t changeCount() const override {
    std::lock_guard lock(readMutex_);
    // data_version moves for every other connection's commit, our writer's included.
    const Use use(reader_.dataVersion);
    if (sqlite3_step(use.get()) == SQLITE_ROW) {
      const auto version = sqlite3_column_int64(use.get(), 0);
      if (version != lastDataVersion_) {
        lastDataVersion_ = version;
        ++generation_;
      }
    } else {
      ++generation_;  // unknown: make callers read afresh
    }
    return generation_;
  }

 private:
  void logFailure(const char* what, std::string_view key, int rc) const {
    logWarning("settings suite: " + std::string(what) + " of \"" + std::string(key) + "\" failed: " + sqlite3_errstr(rc));
  }

  const path file_;
  mutable std::mutex readMutex_;
  Connection reader_;
  std::mutex writeMutex_;
  Connection writer_;
  mutable std::int64_t lastDataVersion_ = -1;
  mutable std::uint64_t generation_ = 0;
};

}  // namespace

path sharedContainerPath() { return configHome() / kApplicationGroup; }

path sharedContainer() {
  auto container = sharedContainerPath();
  std::error_code ec;
  std::filesystem::create_directories(container.parent_path(), ec);
  if (::mkdir(container.c_str(), 0700) != 0 && errno != EEXIST) fail(Operation::createFolder, errno, container);
  struct stat info {};
  if (::stat(container.c_str(), &info) != 0) fail(Operation::openSettings, errno, container);
  if (!S_ISDIR(info.st_mode)) fail(Operation::openSettings, ENOTDIR, container);
  if (::access(container.c_str(), R_OK | W_OK | X_OK) != 0) fail(Operation::openSettings, errno, container);
  return container;
}

std::shared_ptr<DefaultsSuite> openSuiteIn(const path& container, std::chrono::milliseconds readWait) {
  const OpenLock lock(container);
  const auto file = container / kSuiteFileName;
  Connection c;
  auto outcome = connect(file, c, Check::integrity);
  // Repaired only under the lock: another process may be opening the fresh suite.
  if (outcome == Outcome::damaged && !lock.held()) fail(Operation::openSettings, EBUSY, file);
  if (outcome == Outcome::damaged) {
    c = {};
    const auto aside = keepAside(file);
    if (!aside) fail(Operation::move, errno, file);
    logWarning("settings suite " + file.string() + " was damaged; kept it as " + aside->string() + " and started a fresh suite");
    outcome = connect(file, c, Check::integrity);
  }
  if (outcome != Outcome::opened) fail(Operation::openSettings, c.db.get(), c.failure, file);
  Connection writer;
  if (connect(file, writer, Check::shapeOnly) != Outcome::opened) {
    fail(Operation::openSettings, writer.db.get(), writer.failure, file);
  }
  return std::make_shared<SqliteDefaultsSuite>(file, std::move(c), std::move(writer), readWait);
}

std::shared_ptr<DefaultsSuite> openSharedSuite(std::chrono::milliseconds readWait) {
  return openSuiteIn(sharedContainer(), readWait);
}

}  // namespace nimbra::platform
