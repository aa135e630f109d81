#include <gtest/gtest.h>

#include "nimbra/JsonCoding.h"

namespace nimbra {
namespace {

using Kind = DecodingError::Kind;

DecodingError decodeError(auto decode, std::string_view json) {
  try {
    decode(json);
  } catch (const DecodingError& e) {
    return e;
  }
  ADD_FAILURE() << "decoded without error: " << json;
  return DecodingError(Kind::dataCorrupted, {}, "");
}

const auto newItems = [](std::string_view j) { return decodeNewItems(j); };
const auto sendTo = [](std::string_view j) { return decodeSendTo(j); };
const auto openWith = [](std::string_view j) { return decodeOpenWith(j); };

TEST(JsonCoding, WritesKeysInOrderCompactAndOptionalsOnlyWhenPresent) {
  EXPECT_EQ(encodeNewItems({NewItem::builtIns()[9]}),
            R"([{"id":"txt","kind":{"text":{"template":"","executable":false}},"ext":"txt","enabled":true,"isBuiltIn":true}])");
  EXPECT_EQ(encodeNewItems({NewItem::builtIns()[0]}),
            R"([{"id":"folder","kind":{"folder":{}},"ext":"","enabled":true,"isBuiltIn":true}])");
  NewItem item{"ID", NewItemKind::Bundled{"blank.docx"}, "docx", "Label", "", false, false};
  EXPECT_EQ(encodeNewItems({item}),
            R"([{"id":"ID","kind":{"bundled":{"resource":"blank.docx"}},"ext":"docx","customLabel":"Label","customBaseName":"","enabled":false,"isBuiltIn":false}])");
  EXPECT_EQ(encodeSendTo({{SendToAction::zip, false}}), R"([{"action":"zip","enabled":false}])");
  EXPECT_EQ(encodeOpenWith({{"dev.zed.Zed", true, false}}), R"([{"bundleID":"dev.zed.Zed","enabled":true,"isKnown":false}])");
  EXPECT_EQ(encodeNewItems({}), "[]");
}

TEST(JsonCoding, RoundTripsEveryKindAndTheDefaultLists) {
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
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0], (NewItem{"A", NewItemKind::Folder{}, "txt", std::nullopt, std::nullopt, true, false}));
  EXPECT_EQ(decodeSendTo(R"([{"action":"zip","enabled":false}])"), (std::vector<SendToEntry>{{SendToAction::zip, false}}));
}

TEST(JsonCoding, KindWithNoneOrSeveralCasesFailsAtItsPath) {
  for (const auto* kind : {R"({"folder":{},"alias":{}})", R"({})", R"({"other":{}})"}) {
    const auto json = std::string(R"([{"id":"a","kind":)") + kind + R"(,"ext":"","enabled":true,"isBuiltIn":true}])";
    const auto error = decodeError(newItems, json);
    EXPECT_EQ(error.kind, Kind::typeMismatch);
    EXPECT_EQ(error.debugDescription, "Invalid number of keys found, expected one.");
    EXPECT_EQ(error.codingPath, (std::vector<std::string>{"Index 0", "kind"}));
  }
}

TEST(JsonCoding, OneBadElementFailsTheWholeList) {
  const auto good = encodeNewItems({NewItem::builtIns()[0]});
  const std::string missing = R"({"id":"b","kind":{"alias":{}},"ext":"","enabled":true})";
  const auto error = decodeError(newItems, good.substr(0, good.size() - 1) + "," + missing + "]");
  EXPECT_EQ(error.kind, Kind::keyNotFound);
  EXPECT_EQ(error.codingPath, (std::vector<std::string>{"Index 1", "isBuiltIn"}));

  EXPECT_EQ(decodeError(newItems, R"([{"id":"a","kind":{"text":{"template":""}},"ext":"","enabled":true,"isBuiltIn":true}])").codingPath,
            (std::vector<std::string>{"Index 0", "kind", "text", "executable"}));
  EXPECT_EQ(decodeError(newItems, R"([{"id":null,"kind":{"alias":{}},"ext":"","enabled":true,"isBuiltIn":true}])").kind,
            Kind::valueNotFound);
  EXPECT_EQ(decodeError(newItems, R"([{"id":"a","kind":{"alias":[]},"ext":"","enabled":true,"isBuiltIn":true}])").kind,
            Kind::typeMismatch);
  EXPECT_EQ(decodeError(newItems, R"([{"id":"a","kind":{"alias":{}},"ext":"","enabled":1,"isBuiltIn":true}])").kind,
            Kind::typeMismatch);
  EXPECT_EQ(decodeError(newItems, R"([{"id":"a","kind":{"alias":{}},"ext":"","customLabel":5,"enabled":true,"isBuiltIn":true}])").kind,
            Kind::typeMismatch);
}

TEST(JsonCoding, RejectsWhatIsNotAListOfTheShape) {
  EXPECT_EQ(decodeError(newItems, "not json").kind, Kind::dataCorrupted);
  EXPECT_EQ(decodeError(newItems, "").kind, Kind::dataCorrupted);
  EXPECT_EQ(decodeError(newItems, "[{]").kind, Kind::dataCorrupted);
  EXPECT_EQ(decodeError(newItems, "{}").kind, Kind::typeMismatch);
  EXPECT_EQ(decodeError(openWith, "[1]").kind, Kind::typeMismatch);
  EXPECT_EQ(decodeError(openWith, R"([{"bundleID":"a","enabled":true}])").kind, Kind::keyNotFound);
  EXPECT_EQ(decodeError(sendTo, R"([{"action":"Zip","enabled":true}])").kind, Kind::dataCorrupted);
  EXPECT_EQ(decodeError(sendTo, R"([{"action":"fax","enabled":true}])").codingPath,
            (std::vector<std::string>{"Index 0", "action"}));
  EXPECT_EQ(decodeError(newItems, "[\"\xFF\"]").kind, Kind::dataCorrupted);
}

TEST(SendToAction, MapsStoredStringsExactly) {
  ASSERT_EQ(SendToAction::allCases.size(), 5u);
  for (const auto action : SendToAction::allCases) {
    EXPECT_EQ(SendToAction::fromRawValue(action.rawValue()), action);
    EXPECT_EQ(action.titleKey(), "sendTo." + std::string(action.rawValue()));
  }
  EXPECT_EQ(SendToAction::allCases[1].rawValue(), "desktopCopy");
  EXPECT_EQ(SendToAction::fromRawValue("Desktop"), std::nullopt);
  EXPECT_EQ(SendToAction::fromRawValue(""), std::nullopt);
}

TEST(DefaultLists, HoldEveryActionAndEveryKnownApp) {
  const auto sendToDefaults = SendToEntry::defaults();
  ASSERT_EQ(sendToDefaults.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(sendToDefaults[i], (SendToEntry{SendToAction::allCases[i], true}));

  const auto apps = OpenWithEntry::defaults();
  ASSERT_EQ(apps.size(), 16u);
  EXPECT_EQ(apps.front(), (OpenWithEntry{"com.microsoft.VSCode", true, true}));
  EXPECT_EQ(apps.back(), (OpenWithEntry{"com.mitchellh.ghostty", true, true}));
  EXPECT_EQ(OpenWithEntry::knownAppName("com.apple.Terminal"), "Terminal");
  EXPECT_EQ(OpenWithEntry::knownAppName("com.apple.terminal"), std::nullopt);
}

}  // namespace
}  // namespace nimbra
