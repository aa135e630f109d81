// send-to-copy: copies items into a folder exactly as "Send to Desktop" does and
// prints where they went; the time taken goes to stderr. Used by send-to-desktop.sh.

#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <vector>

#include "nimbra/SendToPerformer.h"
#include "nimbra/platform/FileOperations.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fputs("usage: send-to-copy <destination folder> <item>...\n", stderr);
    return 2;
  }
  const std::vector<std::filesystem::path> items(argv + 2, argv + argc);
  const auto start = std::chrono::steady_clock::now();
  try {
    const auto made = nimbra::SendToPerformer::perform(items, argv[1], false, *nimbra::platform::systemFileOperations());
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    for (const auto& path : made) std::printf("%s\n", path.c_str());
    std::fprintf(stderr, "%.3f s\n", elapsed.count());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "send-to-copy: %s\n", e.what());
    return 1;
  }
  return 0;
}
