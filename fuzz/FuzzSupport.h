#pragma once
// What every fuzz target shares: a broken promise stops the run as a crash, with the
// promise named, so libFuzzer keeps the input that broke it.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace nimbra::fuzz {

inline void require(bool promise, const char* what) {
  if (promise) return;
  std::fprintf(stderr, "broken promise: %s\n", what);
  std::abort();
}

// A command line from the input: its arguments separated by NUL bytes.
inline std::vector<std::string_view> arguments(std::string_view input) {
  std::vector<std::string_view> args;
  for (std::size_t start = 0; start <= input.size();) {
    const auto end = std::min(input.find('\0', start), input.size());
    args.push_back(input.substr(start, end - start));
    start = end + 1;
  }
  return args;
}

}  // namespace nimbra::fuzz
