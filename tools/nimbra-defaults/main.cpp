// nimbra-defaults: the shared settings suite from the command line, for users,
// support and tests. Opens the suite exactly as the two processes do.

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/platform/Failure.h"
#include "nimbra/platform/linux/SqliteDefaultsSuite.h"

namespace {

using namespace nimbra::platform;

constexpr const char* kUsage =
    "usage: nimbra-defaults read [KEY]\n"
    "       nimbra-defaults write KEY -bool true|false | -int N | -string S | -array S... | -data-file PATH\n"
    "       nimbra-defaults delete KEY\n"
    "  read without KEY lists every stored key with its type and value; read KEY prints the\n"
    "  value alone (data as its raw bytes). Reading or deleting an absent KEY exits with status 1.\n";

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

int usage() {
  std::fputs(kUsage, stderr);
  return kBadUsage;
}

int fail(const std::string& message) {
  std::cerr << "nimbra-defaults: " << message << "\n";
  return kFailed;
}

std::string escaped(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", u);
      out += hex;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// One line of the full listing: "KEY: TYPE VALUE".
std::string describe(const DefaultsValue& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, DefaultsData>) {
          return "data (" + std::to_string(v.bytes.size()) + " bytes) " + escaped(v.bytes);
        } else if constexpr (std::is_same_v<V, bool>) {
          return std::string("bool ") + (v ? "true" : "false");
        } else if constexpr (std::is_same_v<V, std::int64_t>) {
          return "integer " + std::to_string(v);
        } else if constexpr (std::is_same_v<V, std::string>) {
          return "string " + escaped(v);
        } else {
          std::string out = "array [";
          for (std::size_t i = 0; i < v.size(); ++i) out += (i ? ", " : "") + escaped(v[i]);
          return out + "]";
        }
      },
      value);
}

// The value alone, as a script wants it.
void printValue(const DefaultsValue& value) {
  std::visit(
      [](const auto& v) {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, DefaultsData>) {
          std::cout.write(v.bytes.data(), static_cast<std::streamsize>(v.bytes.size()));
        } else if constexpr (std::is_same_v<V, bool>) {
          std::cout << (v ? "true" : "false") << "\n";
        } else if constexpr (std::is_same_v<V, std::vector<std::string>>) {
          for (const auto& element : v) std::cout << element << "\n";
        } else {
          std::cout << v << "\n";
        }
      },
      value);
}

std::optional<bool> parseBool(std::string_view text) {
  if (text == "true" || text == "yes" || text == "YES") return true;
  if (text == "false" || text == "no" || text == "NO") return false;
  return std::nullopt;
}

std::optional<std::int64_t> parseInt(std::string_view text) {
  std::int64_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc{} || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return n;
}

struct WriteRequest {
  std::optional<DefaultsValue> value;
  std::string error;  // set when the value could not be made
};

// Nothing when the arguments after KEY are malformed.
std::optional<WriteRequest> parseWrite(const std::vector<std::string_view>& args) {
  if (args.empty()) return std::nullopt;
  const auto flag = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  if (flag == "-array") return WriteRequest{rest, {}};
  if (rest.size() != 1) return std::nullopt;
  const auto& arg = rest[0];
  if (flag == "-string") return WriteRequest{arg, {}};
  if (flag == "-bool") {
    const auto b = parseBool(arg);
    return b ? std::optional(WriteRequest{*b, {}}) : std::nullopt;
  }
  if (flag == "-int") {
    const auto n = parseInt(arg);
    return n ? std::optional(WriteRequest{*n, {}}) : std::nullopt;
  }
  if (flag == "-data-file") {
    // A folder opens as a stream but fails (and throws) on the first read.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::string(arg), ec)) {
      return WriteRequest{std::nullopt, "cannot read " + std::string(arg) + ": not a file"};
    }
    std::ifstream in(std::string(arg), std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) return WriteRequest{std::nullopt, "cannot read " + std::string(arg) + ": " + std::strerror(errno)};
    return WriteRequest{DefaultsData{std::move(bytes)}, {}};
  }
  return std::nullopt;
}

// Carries out a command; the suite's failures are thrown.
int run(std::string_view command, std::span<const std::string_view> args, const std::optional<WriteRequest>& request) {
  const auto suite = openSuiteIn(sharedContainer());
  if (command == "read" && args.size() == 1) {
    const auto domain = suite->persistentDomain();
    if (!domain) return fail("cannot read the settings");
    for (const auto& [key, value] : *domain) std::cout << key << ": " << describe(value) << "\n";
    return 0;
  }
  const std::string key(args[1]);
  if (command == "write") {
    suite->setValue(key, request->value);
    return 0;
  }
  const auto value = suite->value(key);
  if (!value) {
    std::cerr << "no value for " << key << "\n";
    return kFailed;
  }
  if (command == "delete") {
    suite->remove(key);
    return 0;
  }
  printValue(*value);
  return std::cout.flush() ? 0 : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  if (args.empty()) return usage();
  const auto command = args[0];
  const bool read = command == "read" && args.size() <= 2;
  const bool write = command == "write" && args.size() >= 3;
  const bool remove = command == "delete" && args.size() == 2;
  if (!read && !write && !remove) return usage();

  std::optional<WriteRequest> request;
  if (write) {
    request = parseWrite({args.begin() + 2, args.end()});
    if (!request) return usage();
    if (!request->error.empty()) return fail(request->error);
  }

  try {
    return run(command, args, request);
  } catch (const Failure& failure) {
    return fail(failure.what());
  }
}
