#include "nimbra/NewItem.h"

#include <nlohmann/json.hpp>

#include "nimbra/platform/ContentTypes.h"
#include "nimbra/StringTable.h"
#include "nimbra/Text.h"

namespace nimbra {
namespace {

constexpr std::size_t kMaxExtensionLength = 16;
constexpr std::string_view kExtensionCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789._-";

const char kHtmlTemplate[] =
    "<!doctype html>\n<html lang=\"en\">\n<head>\n  <meta charset=\"utf-8\">\n  <title></title>\n</head>\n"
    "<body>\n\n</body>\n</html>\n";
const char kPlistTemplate[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n<dict/>\n</plist>\n";

NewItem builtIn(std::string id, NewItemKind kind, std::string ext, bool enabled) {
  return NewItem{std::move(id), std::move(kind), std::move(ext), std::nullopt, std::nullopt, enabled, true};
}

NewItem text(std::string id, std::string ext, std::string templateText, bool executable, bool enabled) {
  return builtIn(std::move(id), NewItemKind::Text{std::move(templateText), executable}, std::move(ext), enabled);
}

NewItem bundled(std::string id, std::string ext) {
  std::string resource = "blank." + ext;
  return builtIn(std::move(id), NewItemKind::Bundled{std::move(resource)}, std::move(ext), true);
}

std::vector<NewItem> makeCatalogue() {
  return {
      builtIn("folder", NewItemKind::Folder{}, "", true),
      builtIn("alias", NewItemKind::Alias{}, "", true),
      bundled("word", "docx"),
      bundled("excel", "xlsx"),
      bundled("powerpoint", "pptx"),
      bundled("pages", "pages"),
      bundled("numbers", "numbers"),
      bundled("keynote", "key"),
      text("rtf", "rtf", "{\\rtf1}", false, true),
      text("txt", "txt", "", false, true),
      text("html", "html", kHtmlTemplate, false, false),
      text("md", "md", "", false, false),
      text("json", "json", "{}\n", false, false),
      text("yml", "yml", "", false, false),
      text("env", "env", "", false, false),
      text("gitignore", "gitignore", "", false, false),
      text("sh", "sh", "#!/bin/zsh\n\n", true, false),
      text("command", "command", "#!/bin/zsh\ncd \"${0:h}\"\n\n", true, false),
      text("py", "py", "#!/usr/bin/env python3\n\n", true, false),
      text("applescript", "applescript", "", false, false),
      text("plist", "plist", kPlistTemplate, false, false),
      text("readme", "md", "# README\n", false, false),
      text("makefile", "", "", false, false),
      text("dockerfile", "", "FROM \n", false, false),
      builtIn("datedFolder", NewItemKind::DatedFolder{}, "", false),
  };
}

}  // namespace

const std::vector<NewItem>& NewItem::builtIns() {
  static const std::vector<NewItem> catalogue = makeCatalogue();
  return catalogue;
}

std::string NewItem::label(const StringTable& strings) const {
  if (customLabel && !text::trimWhitespaces(*customLabel).empty()) return *customLabel;
  if (isBuiltIn) return strings.text("item." + id + ".label");
  const auto trimmed = text::trimWhitespaces(ext);
  if (trimmed.empty()) return "New File";
  return "." + std::string(trimmed) + " File";
}

std::string NewItem::baseName(const StringTable& strings) const {
  if (customBaseName) return *customBaseName;
  if (isBuiltIn) return strings.text("item." + id + ".name");
  return "Untitled";
}

std::optional<std::string> NewItem::contentType(const platform::ContentTypes& types) const {
  if (kind.is<NewItemKind::Folder>() || kind.is<NewItemKind::DatedFolder>()) return types.folderType();
  if (kind.is<NewItemKind::Alias>()) return types.aliasType();
  return documentType(ext, types);
}

std::optional<std::string> NewItem::documentType(std::string_view ext, const platform::ContentTypes& types) {
  if (ext.empty()) return types.plainTextType();
  auto type = types.typeForExtension(ext);
  if (type && !types.conformsToData(*type)) return std::nullopt;
  return type;
}

std::variant<std::string, NewItem::ValidationError> NewItem::validateExtension(std::string_view input) {
  auto ext = text::trimWhitespacesAndNewlines(input);
  while (ext.starts_with('.')) ext.remove_prefix(1);
  if (ext.empty()) return ValidationError::empty;
  if (text::userPerceivedLength(ext) > kMaxExtensionLength) return ValidationError::tooLong;
  // Any byte outside the set, including every byte of a non-ASCII scalar, is a bad character.
  if (ext.find_first_not_of(kExtensionCharacters) != std::string_view::npos) return ValidationError::badCharacters;
  return std::string(ext);
}

NewItem::TemplateWarning NewItem::checkTemplate(std::string_view text, std::string_view ext) {
  const auto content = text::trimWhitespacesAndNewlines(text);
  if (content.empty()) return TemplateWarning::none;
  // Any JSON value counts, a bare string or number too.
  if (ext == "json" && !nlohmann::json::accept(content)) return TemplateWarning::invalidJSON;
  if (ext == "sh" && !content.starts_with("#!")) return TemplateWarning::missingShebang;
  return TemplateWarning::none;
}

}  // namespace nimbra

std::size_t std::hash<nimbra::NewItemKind>::operator()(const nimbra::NewItemKind& k) const noexcept {
  using K = nimbra::NewItemKind;
  std::size_t seed = k.value.index();
  if (const auto* t = k.as<K::Text>()) nimbra::hashCombine(seed, nimbra::hashAll(t->templateText, t->executable));
  if (const auto* b = k.as<K::Bundled>()) nimbra::hashCombine(seed, std::hash<std::string>{}(b->resource));
  return seed;
}

std::size_t std::hash<nimbra::NewItem>::operator()(const nimbra::NewItem& i) const noexcept {
  return nimbra::hashAll(i.id, i.kind, i.ext, i.customLabel, i.customBaseName, i.enabled, i.isBuiltIn);
}
