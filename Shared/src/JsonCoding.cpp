#include "nimbra/JsonCoding.h"

#include <array>
#include <nlohmann/json.hpp>

namespace nimbra {
namespace {

using Json = nlohmann::json;
using Ordered = nlohmann::ordered_json;
using Kind = DecodingError::Kind;

constexpr std::array<std::string_view, 6> kKindCases = {"text", "bundled", "folder", "datedFolder", "alias", "emptyZip"};

std::string dump(const Ordered& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

const char* typeName(const Json& j) {
  switch (j.type()) {
    case Json::value_t::null: return "null";
    case Json::value_t::boolean: return "bool";
    case Json::value_t::string: return "a string";
    case Json::value_t::array: return "an array";
    case Json::value_t::object: return "a dictionary";
    default: return "a number";
  }
}

// Walks a parsed document, keeping the coding path for typed errors.
class Decoder {
 public:
  [[noreturn]] void fail(Kind kind, std::string description) const { throw DecodingError(kind, path_, std::move(description)); }

  Json parse(std::string_view text) const {
    Json json = Json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded()) fail(Kind::dataCorrupted, "The given data was not valid JSON.");
    return json;
  }

  template <class T, class Element>
  std::vector<T> array(const Json& json, Element decodeElement) {
    expect(json, Json::value_t::array, "Array");
    std::vector<T> result;
    result.reserve(json.size());
    for (std::size_t i = 0; i < json.size(); ++i) {
      path_.push_back("Index " + std::to_string(i));
      result.push_back(decodeElement(*this, json[i]));
      path_.pop_back();
    }
    return result;
  }

  const Json& object(const Json& json) const {
    expect(json, Json::value_t::object, "Dictionary");
    return json;
  }

  // Runs `body` with `key` appended to the path; the key must be present.
  template <class F>
  auto at(const Json& object, std::string_view key, F body) {
    const auto it = object.find(key);
    path_.emplace_back(key);
    if (it == object.end()) fail(Kind::keyNotFound, "No value associated with key \"" + std::string(key) + "\".");
    auto value = body(*it);
    path_.pop_back();
    return value;
  }

  std::string string(const Json& object, std::string_view key) {
    return at(object, key, [&](const Json& j) {
      expect(j, Json::value_t::string, "String");
      return j.get<std::string>();
    });
  }

  bool boolean(const Json& object, std::string_view key) {
    return at(object, key, [&](const Json& j) {
      expect(j, Json::value_t::boolean, "Bool");
      return j.get<bool>();
    });
  }

  std::optional<std::string> optionalString(const Json& object, std::string_view key) {
    const auto it = object.find(key);
    if (it == object.end() || it->is_null()) return std::nullopt;
    return string(object, key);
  }

  void expect(const Json& j, Json::value_t type, const char* swiftName) const {
    if (j.type() == type) return;
    if (j.is_null()) fail(Kind::valueNotFound, std::string("Expected ") + swiftName + " value but found null instead.");
    fail(Kind::typeMismatch, std::string("Expected to decode ") + swiftName + " but found " + typeName(j) + " instead.");
  }

 private:
  std::vector<std::string> path_;
};

NewItemKind decodeKind(Decoder& d, const Json& json) {
  d.object(json);
  std::string_view found;
  int count = 0;
  for (const auto name : kKindCases) {
    if (json.contains(name)) {
      found = name;
      ++count;
    }
  }
  if (count != 1) d.fail(Kind::typeMismatch, "Invalid number of keys found, expected one.");
  return d.at(json, found, [&](const Json& payload) -> NewItemKind {
    d.object(payload);
    if (found == "text") return NewItemKind::Text{d.string(payload, "template"), d.boolean(payload, "executable")};
    if (found == "bundled") return NewItemKind::Bundled{d.string(payload, "resource")};
    if (found == "folder") return NewItemKind::Folder{};
    if (found == "datedFolder") return NewItemKind::DatedFolder{};
    if (found == "alias") return NewItemKind::Alias{};
    return NewItemKind::EmptyZip{};
  });
}

Ordered encodeKind(const NewItemKind& kind) {
  const Ordered empty = Ordered::object();
  return std::visit(
      [&](const auto& c) -> Ordered {
        using C = std::decay_t<decltype(c)>;
        Ordered payload = empty;
        if constexpr (std::is_same_v<C, NewItemKind::Text>) {
          payload["template"] = c.templateText;
          payload["executable"] = c.executable;
        } else if constexpr (std::is_same_v<C, NewItemKind::Bundled>) {
          payload["resource"] = c.resource;
        }
        Ordered wrapped = empty;
        wrapped[std::string(kKindCases[kind.value.index()])] = std::move(payload);
        return wrapped;
      },
      kind.value);
}

}  // namespace

std::string encodeNewItems(const std::vector<NewItem>& items) {
  Ordered array = Ordered::array();
  for (const auto& item : items) {
    Ordered o;
    o["id"] = item.id;
    o["kind"] = encodeKind(item.kind);
    o["ext"] = item.ext;
    if (item.customLabel) o["customLabel"] = *item.customLabel;
    if (item.customBaseName) o["customBaseName"] = *item.customBaseName;
    o["enabled"] = item.enabled;
    o["isBuiltIn"] = item.isBuiltIn;
    array.push_back(std::move(o));
  }
  return dump(array);
}

std::string encodeSendTo(const std::vector<SendToEntry>& entries) {
  Ordered array = Ordered::array();
  for (const auto& entry : entries) {
    Ordered o;
    o["action"] = entry.action.rawValue();
    o["enabled"] = entry.enabled;
    array.push_back(std::move(o));
  }
  return dump(array);
}

std::string encodeOpenWith(const std::vector<OpenWithEntry>& entries) {
  Ordered array = Ordered::array();
  for (const auto& entry : entries) {
    Ordered o;
    o["bundleID"] = entry.bundleID;
    o["enabled"] = entry.enabled;
    o["isKnown"] = entry.isKnown;
    array.push_back(std::move(o));
  }
  return dump(array);
}

std::vector<NewItem> decodeNewItems(std::string_view text) {
  Decoder d;
  return d.array<NewItem>(d.parse(text), [](Decoder& d, const Json& j) {
    d.object(j);
    // Braced initialisation runs left to right, so errors name the first bad key.
    return NewItem{d.string(j, "id"),
                   d.at(j, "kind", [&](const Json& k) { return decodeKind(d, k); }),
                   d.string(j, "ext"),
                   d.optionalString(j, "customLabel"),
                   d.optionalString(j, "customBaseName"),
                   d.boolean(j, "enabled"),
                   d.boolean(j, "isBuiltIn")};
  });
}

std::vector<SendToEntry> decodeSendTo(std::string_view text) {
  Decoder d;
  return d.array<SendToEntry>(d.parse(text), [](Decoder& d, const Json& j) {
    d.object(j);
    const auto raw = d.string(j, "action");
    const auto action = d.at(j, "action", [&](const Json&) {
      auto a = SendToAction::fromRawValue(raw);
      if (!a) d.fail(Kind::dataCorrupted, "Cannot initialize SendToAction from invalid String value " + raw);
      return *a;
    });
    return SendToEntry{action, d.boolean(j, "enabled")};
  });
}

std::vector<OpenWithEntry> decodeOpenWith(std::string_view text) {
  Decoder d;
  return d.array<OpenWithEntry>(d.parse(text), [](Decoder& d, const Json& j) {
    d.object(j);
    return OpenWithEntry{d.string(j, "bundleID"), d.boolean(j, "enabled"), d.boolean(j, "isKnown")};
  });
}

}  // namespace nimbra
