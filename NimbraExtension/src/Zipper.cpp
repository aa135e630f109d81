#include "nimbra/extension/Zipper.h"

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

}  // namespace

ZipFailed::ZipFailed(int s, std::string o)
    : status(s), output(std::move(o)), description_("archiver failed with status " + std::to_string(s) + ": " + output) {}

void run(const fs::path& program, const std::vector<std::string>& args, const fs::path& logFolder,
         platform::FileOperations& files, platform::ProcessRunner& processes,
         std::function<void(std::exception_ptr)> completion) {
  const auto log = logFolder / ("nmb-" + newUUID() + ".log");
  try {
    files.createFile(log, {});
  } catch (...) {
    return completion(std::make_exception_ptr(ZipFailed(-1, "no log file")));
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
      completion(status == 0 ? nullptr : std::make_exception_ptr(ZipFailed(status, std::move(output))));
    });
  } catch (...) {
    remove();
    completion(std::current_exception());
  }
}

fs::path zip(const std::vector<fs::path>& items, const fs::path& folder, const Context& context) {
  auto& files = context.files;
  const auto scratch = files.makeScratchFolder(folder);
  const RemoveOnExit cleanup(files, scratch);

  const auto staging = scratch / "staging";
  files.createDirectory(staging);
  for (const auto& item : items) files.copyItem(item, staging / lastComponent(item));
  removeDotStores(staging, files);

  const auto archive = scratch / "out.zip";
  std::promise<void> finished;
  run(context.archiver,
      {"-c", "-k", "--norsrc", "--noextattr", "--noqtn", "--noacl", staging.string(), archive.string()},
      // The log names the user's files: keep it in the private scratch folder.
      scratch, files, context.processes, [&finished](std::exception_ptr error) {
        if (error) finished.set_exception(error);
        else finished.set_value();
      });
  finished.get_future().get();

  const auto destination = archiveURL(items, folder, files);
  files.moveItem(archive, destination);
  return destination;
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
