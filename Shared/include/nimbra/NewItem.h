#pragma once
// One entry of the New menu and what picking it creates.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "nimbra/Hashing.h"

namespace nimbra {

namespace platform { class ContentTypes; }
class StringTable;

struct NewItemKind {
  struct Text {
    std::string templateText;
    bool executable = false;
    bool operator==(const Text&) const = default;
  };
  struct Bundled {
    std::string resource;
    bool operator==(const Bundled&) const = default;
  };
  struct Folder { bool operator==(const Folder&) const = default; };
  struct DatedFolder { bool operator==(const DatedFolder&) const = default; };
  struct Alias { bool operator==(const Alias&) const = default; };
  struct EmptyZip { bool operator==(const EmptyZip&) const = default; };

  using Case = std::variant<Text, Bundled, Folder, DatedFolder, Alias, EmptyZip>;
  Case value;

  template <class C>
    requires std::is_constructible_v<Case, C>
  NewItemKind(C c) : value(std::move(c)) {}

  template <class C> bool is() const { return std::holds_alternative<C>(value); }
  template <class C> const C* as() const { return std::get_if<C>(&value); }
  bool operator==(const NewItemKind&) const = default;
};

struct NewItem {
  enum class ValidationError { empty, tooLong, badCharacters };

  std::string id;
  NewItemKind kind;
  std::string ext;
  std::optional<std::string> customLabel;
  std::optional<std::string> customBaseName;
  bool enabled = true;
  bool isBuiltIn = false;

  bool operator==(const NewItem&) const = default;

  // Title in the New menu.
  std::string label(const StringTable& strings) const;
  // Name (without extension) that created files start from.
  std::string baseName(const StringTable& strings) const;
  // Type whose icon stands for the entry; nothing when the platform knows none.
  std::optional<std::string> contentType(const platform::ContentTypes& types) const;
  // The type of a document with this extension, plain text without one; nothing when
  // the platform knows no type for it that is data.
  static std::optional<std::string> documentType(std::string_view ext, const platform::ContentTypes& types);

  // Whether the entry may reach the menu: built in, or custom with a valid extension.
  bool isUsable() const { return isBuiltIn || std::holds_alternative<std::string>(validateExtension(ext)); }

  // The normalised extension, or the first rule it breaks.
  static std::variant<std::string, ValidationError> validateExtension(std::string_view text);

  // What a template may be getting wrong for files of its extension; a blank one
  // nothing. Never a reason to refuse it.
  enum class TemplateWarning { none, invalidJSON, missingShebang };
  static TemplateWarning checkTemplate(std::string_view text, std::string_view ext);

  // The built-in catalogue, in default menu order.
  static const std::vector<NewItem>& builtIns();
};

}  // namespace nimbra

template <>
struct std::hash<nimbra::NewItemKind> {
  std::size_t operator()(const nimbra::NewItemKind& k) const noexcept;
};
template <>
struct std::hash<nimbra::NewItem> {
  std::size_t operator()(const nimbra::NewItem& item) const noexcept;
};
