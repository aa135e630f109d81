#pragma once
// Path arithmetic on names alone, without asking the file system.

#include <filesystem>

namespace nimbra::platform {

// "a/b/" and "a/b" name the same item; the trailing separator would also make the
// kernel follow a final symbolic link.
inline std::filesystem::path withoutTrailingSeparator(const std::filesystem::path& path) {
  if (!path.has_filename() && path.has_relative_path()) return path.parent_path();
  return path;
}

// "." and ".." resolved and no trailing separator, so two spellings of one item compare equal.
inline std::filesystem::path standardised(const std::filesystem::path& path) {
  return withoutTrailingSeparator(path.lexically_normal());
}

// `inner` is `outer` or lies below it. The separator check lets "Photos 2" pass next
// to "Photos"; the root folder holds everything.
inline bool isInside(const std::filesystem::path& inner, const std::filesystem::path& outer) {
  const auto& i = inner.native();
  const auto& o = outer.native();
  if (i == o) return true;
  if (o.ends_with('/')) return i.starts_with(o);
  return i.size() > o.size() && i.starts_with(o) && i[o.size()] == '/';
}

}  // namespace nimbra::platform
