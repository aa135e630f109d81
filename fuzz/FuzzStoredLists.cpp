// The three stored lists as any process of the user may have written them: what
// decodes encodes and decodes to the same list, the repairs complete a list without
// dropping or reordering what was stored, and a New entry never makes anything but
// one item in the folder it was picked in.

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "FuzzSupport.h"
#include "nimbra/JsonCoding.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/NewItemCreator.h"
#include "nimbra/platform/FileOperations.h"
#include "FakeDefaultsSuite.h"
#include "FileTesting.h"

namespace nimbra::fuzz {
namespace {

namespace fs = std::filesystem;

template <class Decode, class Encode>
auto roundTrip(std::string_view json, Decode decode, Encode encode) -> std::optional<decltype(decode(json))> {
  try {
    auto list = decode(json);
    require(decode(encode(list)) == list, "a decoded list encodes and decodes to itself");
    return list;
  } catch (const DecodingError&) {
    return std::nullopt;
  }
}

// The repaired list keeps the stored one as its start, in order, less only the
// built-ins the catalogue no longer has.
template <class T, class Keep>
void keepsStored(const std::vector<T>& stored, const std::vector<T>& repaired, Keep kept) {
  std::vector<T> expected;
  std::ranges::copy_if(stored, std::back_inserter(expected), kept);
  require(repaired.size() >= expected.size() && std::equal(expected.begin(), expected.end(), repaired.begin()),
          "repairs never drop or reorder a stored entry");
}

SettingsStore storeHolding(std::string_view key, std::string_view json) {
  auto suite = std::make_shared<testing::FakeDefaultsSuite>();
  suite->stored.emplace(std::string(key), platform::DefaultsData{std::string(json)});
  return SettingsStore(suite);
}

void newEntriesMakeOneItemInTheFolder(const std::vector<NewItem>& items) {
  static const testing::TemporaryFolder scratch;
  const fs::path& folder = scratch.path();
  static const StringTable strings;
  const auto files = platform::systemFileOperations();
  const extension::NewItemCreator::Context context{strings, std::nullopt, *files};
  for (const auto& item : items) {
    try {
      const auto made = extension::NewItemCreator::create(item, folder, std::chrono::system_clock::now(), context);
      require(made.parent_path() == folder && made.filename() != "." && made.filename() != "..",
              "a New entry makes one item in the folder, nothing elsewhere");
      fs::remove_all(made);
    } catch (const extension::NewItemCreator::CreatorError&) {
    } catch (const platform::Failure&) {
    }
  }
  require(fs::is_empty(folder), "nothing but the item is made");
}

void newItems(std::string_view json) {
  const auto stored = roundTrip(json, decodeNewItems, encodeNewItems);
  if (!stored) return;
  const auto repaired = storeHolding(settingsKey::newItems, json).newItems();
  const auto& catalogue = NewItem::builtIns();
  const auto inCatalogue = [&](const NewItem& item) {
    return std::ranges::any_of(catalogue, [&](const NewItem& b) { return b.id == item.id; });
  };
  keepsStored(*stored, repaired, [&](const NewItem& item) { return !item.isBuiltIn || inCatalogue(item); });
  for (const auto& entry : catalogue) {
    require(std::ranges::any_of(repaired, [&](const NewItem& i) { return i.isBuiltIn && i.id == entry.id; }),
            "every built-in is in the repaired list");
  }
  newEntriesMakeOneItemInTheFolder(*stored);
}

void sendTo(std::string_view json) {
  const auto stored = roundTrip(json, decodeSendTo, encodeSendTo);
  if (!stored) return;
  const auto repaired = storeHolding(settingsKey::sendTo, json).sendTo();
  for (const auto action : SendToAction::allCases) {
    require(std::ranges::count(repaired, action, &SendToEntry::action) >= 1, "every action is in the repaired list");
  }
  require(repaired.size() - stored->size() <= SendToAction::allCases.size(), "only missing actions are added");
  std::vector<SendToEntry> storedOnes;
  std::ranges::copy_if(repaired, std::back_inserter(storedOnes), [&](const SendToEntry& e) {
    return std::ranges::count(*stored, e.action, &SendToEntry::action) > 0;
  });
  require(storedOnes == *stored, "repairs never drop or reorder a stored entry");
}

void openWith(std::string_view json) {
  const auto stored = roundTrip(json, decodeOpenWith, encodeOpenWith);
  if (!stored) return;
  require(storeHolding(settingsKey::openWith, json).openWith() == *stored, "a stored Open with list is taken as it is");
}

}  // namespace
}  // namespace nimbra::fuzz

// The first byte picks the list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto json = nimbra::fuzz::bytes(data + 1, size - 1);
  switch (data[0] % 3) {
    case 0: nimbra::fuzz::newItems(json); break;
    case 1: nimbra::fuzz::sendTo(json); break;
    default: nimbra::fuzz::openWith(json); break;
  }
  return 0;
}
