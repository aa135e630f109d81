#include "nimbra/extension/NewItemCreator.h"

#include <cstdio>
#include <ctime>

#include "nimbra/StringTable.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::extension::NewItemCreator {
namespace {

namespace fs = std::filesystem;
using Kind = NewItemKind;

constexpr std::array<std::byte, 22> kEmptyZip = {std::byte{0x50}, std::byte{0x4B}, std::byte{0x05}, std::byte{0x06}};

std::string describeCase(const CreatorError::Case& value) {
  if (const auto* missing = std::get_if<CreatorError::MissingTemplate>(&value)) {
    return "missing template " + missing->resource;
  }
  if (std::holds_alternative<CreatorError::NeedsTarget>(value)) return "an alias needs a target";
  std::string text = std::get<CreatorError::UnsafeName>(value).text;
  // Keep the log line on one line and free of the NUL that made it unsafe.
  for (auto& c : text) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return "unsafe name \"" + text + "\"";
}

bool hasSeparatorOrNul(std::string_view text) {
  return text.find('/') != std::string_view::npos || text.find('\0') != std::string_view::npos;
}

bool isSafeResource(std::string_view resource) {
  return !resource.empty() && !hasSeparatorOrNul(resource) && resource != "." && resource != "..";
}

// Settings are writable by any process of the user, so the name parts are checked
// before anything is made: one new item in `folder`, nothing else.
void checkName(const std::string& base, const std::string& ext) {
  if (hasSeparatorOrNul(base)) throw CreatorError::unsafeName(base);
  if (hasSeparatorOrNul(ext)) throw CreatorError::unsafeName(ext);
  // Later candidates carry " n" and can never be "." or "..".
  if (auto first = numberedName(base, ext, 1); first == "." || first == "..") {
    throw CreatorError::unsafeName(std::move(first));
  }
}

fs::path writeFile(std::span<const std::byte> bytes, const NewItem& item, const fs::path& folder,
                   const Context& context) {
  const auto base = withoutExtensionSuffix(item.baseName(context.strings), item.ext);
  checkName(base, item.ext);
  auto to = freeName(folder, base, item.ext, context.files);
  context.files.createFile(to, bytes);
  return to;
}

fs::path makeFolder(const std::string& base, const fs::path& folder, const Context& context) {
  checkName(base, "");
  auto to = freeName(folder, base, "", context.files);
  context.files.createDirectory(to);
  return to;
}

}  // namespace

CreatorError::CreatorError(Case c) : value(std::move(c)), description_(describeCase(value)) {}

fs::path create(const NewItem& item, const fs::path& folder, std::chrono::system_clock::time_point now,
                const Context& context) {
  if (const auto* text = item.kind.as<Kind::Text>()) {
    const auto bytes = std::as_bytes(std::span(text->templateText.data(), text->templateText.size()));
    auto created = writeFile(bytes, item, folder, context);
    if (text->executable) {
      try {
        context.files.setPermissions(created, fs::perms(0755));
      } catch (...) {
        try {
          context.files.removeItem(created);
        } catch (...) {
          // The permission error is the one to report.
        }
        throw;
      }
    }
    return created;
  }
  if (const auto* bundled = item.kind.as<Kind::Bundled>()) {
    if (!isSafeResource(bundled->resource)) throw CreatorError::unsafeName(bundled->resource);
    const auto source = templateURL(bundled->resource, context.templatesFolder);
    if (!source) throw CreatorError::missingTemplate(bundled->resource);
    // Named with the entry's extension, not the resource's own.
    const auto base = withoutExtensionSuffix(item.baseName(context.strings), item.ext);
    checkName(base, item.ext);
    auto to = freeName(folder, base, item.ext, context.files);
    context.files.copyItem(*source, to);
    return to;
  }
  if (item.kind.is<Kind::Folder>()) return makeFolder(item.baseName(context.strings), folder, context);
  if (item.kind.is<Kind::DatedFolder>()) return makeFolder(datedFolderName(now), folder, context);
  if (item.kind.is<Kind::EmptyZip>()) return writeFile(emptyZipData(), item, folder, context);
  throw CreatorError::needsTarget();
}

std::optional<fs::path> templateURL(std::string_view resource, const std::optional<fs::path>& templatesFolder) {
  if (!templatesFolder || !isSafeResource(resource)) return std::nullopt;
  auto path = *templatesFolder / resource;
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return std::nullopt;
  return path;
}


std::string datedFolderName(std::chrono::system_clock::time_point date) {
  // Picks up a time zone changed since the process started.
  ::tzset();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(date);
  std::tm local{};
  int year = 0, month = 0, day = 0;  // a date the calendar cannot place counts as 0
  if (::localtime_r(&seconds, &local) != nullptr) {
    year = local.tm_year + 1900;
    month = local.tm_mon + 1;
    day = local.tm_mday;
  }
  char name[64];
  std::snprintf(name, sizeof name, "%04d-%02d-%02d", year, month, day);
  return name;
}

std::span<const std::byte> emptyZipData() { return kEmptyZip; }

}  // namespace nimbra::extension::NewItemCreator
