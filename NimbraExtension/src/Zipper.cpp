#include "nimbra/extension/Zipper.h"

#include <algorithm>
#include <fstream>
#include <future>

#include "nimbra/NumberedNames.h"
#include "nimbra/Text.h"
#include "nimbra/UUID.h"
#include "nimbra/platform/FileOperations.h"
#include "nimbra/platform/ProcessRunner.h"

namespace nimbra::extension::Zipper {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kMaxLoggedBytes = 4096;

// Removes a path when the scope ends, whatever happened.
class RemoveOnExit {
 public:
  RemoveOnExit(platform::FileOperations& files, fs::path path) : files_(files), path_(std::move(path)) {}
  ~RemoveOnExit() {
    try {
      files_.removeItem(path_);
    } catch (...) {
    }
  }
  RemoveOnExit(const RemoveOnExit&) = delete;
  RemoveOnExit& operator=(const RemoveOnExit&) = delete;

 private:
  platform::FileOperations& files_;
  fs::path path_;
};

std::string readStart(const fs::path& log) {
  std::ifstream in(log, std::ios::binary);
  std::string bytes(kMaxLoggedBytes, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in ? bytes.size() : in.gcount()));
  return text::repairUtf8(bytes);
}

void removeDotStores(const fs::path& root, platform::FileOperations& files) {
  std::vector<fs::path> found;
  std::error_code ec;
  for (auto it = fs::recursive_directory_iterator(root, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec)) {
    if (it->path().filename() == ".DS_Store") found.push_back(it->path());
  }
  for (const auto& path : found) {
    try {
      files.removeItem(path);
    } catch (...) {
    }
  }
}

// The archiver names each item it skips on a line of its own:
//   nimbra-zip: skipped '<staging>/<item>/<inside>': not a file, folder or symbolic link
// Each is told as the sent item's own path.
std::vector<fs::path> leftOut(std::string_view warnings, const fs::path& staging, const std::vector<fs::path>& items) {
  constexpr std::string_view prefix = "nimbra-zip: skipped '";
  constexpr std::string_view suffix = "': ";
  std::vector<fs::path> result;
  while (!warnings.empty()) {
    const auto end = warnings.find('\n');
    const auto line = warnings.substr(0, end);
    warnings = end == std::string_view::npos ? std::string_view() : warnings.substr(end + 1);
    const auto close = line.rfind(suffix);
    if (!line.starts_with(prefix) || close == std::string_view::npos || close < prefix.size()) continue;
    const fs::path skipped(line.substr(prefix.size(), close - prefix.size()));
    const auto inside = skipped.lexically_relative(staging);
    if (inside.empty() || *inside.begin() == "..") continue;
    const auto name = inside.begin()->string();
    const auto item = std::find_if(items.begin(), items.end(), [&](const fs::path& i) { return lastComponent(i) == name; });
    if (item == items.end()) continue;
    auto original = *item;
    for (auto part = std::next(inside.begin()); part != inside.end(); ++part) original /= *part;
    result.push_back(std::move(original));
  }
  return result;
}

}  // namespace

ZipFailed::ZipFailed(int s, std::string o)
    : status(s), output(std::move(o)), description_("archiver failed with status " + std::to_string(s) + ": " + output) {}

void run(const fs::path& program, const std::vector<std::string>& args, const fs::path& logFolder,
         platform::FileOperations& files, platform::ProcessRunner& processes,
         std::function<void(std::exception_ptr, std::string output)> completion) {
  const auto log = logFolder / ("nmb-" + newUUID() + ".log");
  try {
    files.createFile(log, {});
  } catch (...) {
    return completion(std::current_exception(), {});
  }
  auto remove = [&files, log] {
    try {
      files.removeItem(log);
    } catch (...) {
    }
  };
  try {
    processes.start(program, args, log, [log, remove, completion](int status) {
      auto output = readStart(log);
      remove();
      if (status == 0) return completion(nullptr, std::move(output));
      auto failure = std::make_exception_ptr(ZipFailed(status, output));
      completion(std::move(failure), std::move(output));
    });
  } catch (...) {
    remove();
    completion(std::current_exception(), {});
  }
}

Archive zip(const std::vector<fs::path>& items, const fs::path& folder, const Context& context) {
  auto& files = context.files;
  const auto scratch = files.makeScratchFolder(folder);
  const RemoveOnExit cleanup(files, scratch);

  const auto staging = scratch / "staging";
  files.createDirectory(staging);
  for (const auto& item : items) files.copyItem(item, staging / lastComponent(item));
  removeDotStores(staging, files);

  const auto archive = scratch / "out.zip";
  std::promise<std::string> finished;
  run(context.archiver,
      {"-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", staging.string(), archive.string()},
      // The log names the user's files: keep it in the private scratch folder.
      scratch, files, context.processes, [&finished](std::exception_ptr error, std::string output) {
        if (error) finished.set_exception(error);
        else finished.set_value(std::move(output));
      });
  const auto warnings = finished.get_future().get();

  const auto destination = archiveURL(items, folder, files);
  files.moveItem(archive, destination);
  return {destination, leftOut(warnings, staging, items)};
}

fs::path archiveURL(const std::vector<fs::path>& items, const fs::path& folder, const platform::FileOperations& files) {
  std::string base = "Archive";
  if (!items.empty()) {
    const auto& first = items.front();
    base = files.isPlainFolder(first) ? lastComponent(first) : splitExtension(lastComponent(first)).base;
  }
  base = withoutExtensionSuffix(base, "zip");
  return freeName(folder, base, "zip", files);
}

}  // namespace nimbra::extension::Zipper
