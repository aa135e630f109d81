#include "nimbra/JsonCoding.h"

#include <gtest/gtest.h>

#include <functional>

namespace nimbra {
namespace {

using Kind = DecodingError::Kind;

using Decoder = std::function<void(std::string_view)>;

DecodingError decodeError(const Decoder& decode, std::string_view json) {
  try {
    decode(json);
  } catch (const DecodingError& e) {
    return e;
  }
  ADD_FAILURE() << "decoded without error: " << json;
  return DecodingError(Kind::dataCorrupted, {}, "");
}

const Decoder newItems = [](std::string_view j) { decodeNewItems(j); };
const Decoder sendTo = [](std::string_view j) { decodeSendTo(j); };
const Decoder openWith = [](std::string_view j) { decodeOpenWith(j); };

// The stored form the app reads too: keys in order, compact, optionals only when present.
TEST(JsonCoding, WritesTheStoredFormAndReadsBackEveryKind) {
  const NewItem item{"ID", NewItemKind::Bundled{"blank.docx"}, "docx", "Label", "", false, false};
  EXPECT_EQ(encodeNewItems({item, NewItem::builtIns()[9]}),
            R"([{"id":"ID","kind":{"bundled":{"resource":"blank.docx"}},"ext":"docx","customLabel":"Label","customBaseName":"","enabled":false,"isBuiltIn":false},)"
            R"({"id":"txt","kind":{"text":{"template":"","executable":false}},"ext":"txt","enabled":true,"isBuiltIn":true}])");
  EXPECT_EQ(encodeSendTo({{SendToAction::zip, false}}), R"([{"action":"zip","enabled":false}])");
  EXPECT_EQ(encodeOpenWith({{"dev.zed.Zed", true, false}}), R"([{"bundleID":"dev.zed.Zed","enabled":true,"isKnown":false}])");

  auto items = NewItem::builtIns();
  items.push_back(NewItem{"X", NewItemKind::EmptyZip{}, "zip", "Zip \"quoted\" \\ \u00FC", std::nullopt, true, false});
  items.push_back(NewItem{"Y", NewItemKind::Text{"line\n\ttab", true}, "", std::nullopt, "Base", true, false});
  EXPECT_EQ(decodeNewItems(encodeNewItems(items)), items);
  EXPECT_EQ(decodeSendTo(encodeSendTo(SendToEntry::defaults())), SendToEntry::defaults());
  EXPECT_EQ(decodeOpenWith(encodeOpenWith(OpenWithEntry::defaults())), OpenWithEntry::defaults());
}

TEST(JsonCoding, ReadsAnyValidShapeIgnoringUnknownKeysAndNullOptionals) {
  const auto items = decodeNewItems(R"( [ { "isBuiltIn" : false, "enabled": true, "ext": "t\u0078t",
      "customLabel": null, "future": [1, 2], "kind": {"folder": {"ignored": 1}}, "id": "A" } ] )");
  EXPECT_EQ(items, (std::vector<NewItem>{{"A", NewItemKind::Folder{}, "txt", std::nullopt, std::nullopt, true, false}}));
}

TEST(JsonCoding, AnyBadElementFailsTheWholeListWithItsKindAndPath) {
  using Path = std::vector<std::string>;
  const auto item = [](std::string fields) { return R"([{"id":"a","ext":"","enabled":true,"isBuiltIn":true,)" + fields + "}]"; };
  const std::tuple<Decoder, std::string, Kind, Path> cases[] = {
      {newItems, item(R"("kind":{"folder":{},"alias":{}})"), Kind::typeMismatch, {"Index 0", "kind"}},
      {newItems, item(R"("kind":{"text":{"template":""}})"), Kind::keyNotFound, {"Index 0", "kind", "text", "executable"}},
      {newItems, item(R"("kind":{"alias":[]})"), Kind::typeMismatch, {"Index 0", "kind", "alias"}},
      {newItems, item(R"("kind":{"alias":{}},"customLabel":5)"), Kind::typeMismatch, {"Index 0", "customLabel"}},
      {newItems, R"([{"id":"b","kind":{"alias":{}},"ext":"","enabled":true,"isBuiltIn":true},{"id":null}])",
       Kind::valueNotFound, {"Index 1", "id"}},
      {newItems, "[{]", Kind::dataCorrupted, {}},
      {newItems, "{}", Kind::typeMismatch, {}},
      {newItems, "[\"\xFF\"]", Kind::dataCorrupted, {}},
      {openWith, R"([{"bundleID":"a","enabled":true}])", Kind::keyNotFound, {"Index 0", "isKnown"}},
      {sendTo, R"([{"action":"Zip","enabled":true}])", Kind::dataCorrupted, {"Index 0", "action"}},
  };
  for (const auto& [decode, json, kind, path] : cases) {
    const auto error = decodeError(decode, json);
    EXPECT_EQ(error.kind, kind) << json;
    EXPECT_EQ(error.codingPath, path) << json;
  }
}

}  // namespace
}  // namespace nimbra
