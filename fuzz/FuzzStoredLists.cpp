// The three stored lists as any process of the user may have written them: what
// decodes encodes and decodes to the same list, the repairs keep what was stored (in
// order) and complete the list, and a New entry makes one item in the folder it was
// picked in, or nothing.

#include <algorithm>
#include <chrono>

#include "FakeDefaultsSuite.h"
#include "FileTesting.h"
#include "FuzzSupport.h"
#include "nimbra/JsonCoding.h"
#include "nimbra/SettingsStore.h"
#include "nimbra/StringTable.h"
#include "nimbra/extension/NewItemCreator.h"
#include "nimbra/platform/FileOperations.h"

namespace nimbra::fuzz {
namespace {

// The list as stored, when it decodes; and as the store reads it back, repaired.
template <class List>
std::optional<std::pair<List, List>> storedAndRead(std::string_view key, std::string_view json, List (*decode)(std::string_view),
                                                   std::string (*encode)(const List&), List (SettingsStore::*read)() const) {
  List stored;
  try {
    stored = decode(json);
  } catch (const DecodingError&) {
    return std::nullopt;
  }
  require(decode(encode(stored)) == stored, "a decoded list encodes and decodes to itself");
  auto suite = std::make_shared<testing::FakeDefaultsSuite>();
  suite->stored.emplace(std::string(key), platform::DefaultsData{std::string(json)});
  return std::pair{std::move(stored), (SettingsStore(suite).*read)()};
}

void newEntriesMakeOneItemInTheFolder(const std::vector<NewItem>& items) {
  static const testing::TemporaryFolder folder;
  static const StringTable strings;
  const auto files = platform::systemFileOperations();
  for (const auto& item : items) {
    try {
      const auto made = extension::NewItemCreator::create(item, folder.path(), std::chrono::system_clock::now(),
                                                          {strings, std::nullopt, *files});
      require(made.parent_path() == folder.path() && made.filename() != "." && made.filename() != "..",
              "a New entry makes one item in the folder, nothing elsewhere");
      std::filesystem::remove_all(made);
    } catch (const extension::NewItemCreator::CreatorError&) {
    } catch (const platform::Failure&) {
    }
  }
  require(std::filesystem::is_empty(folder.path()), "nothing but the item is made");
}

void newItems(std::string_view json) {
  const auto lists = storedAndRead(settingsKey::newItems, json, decodeNewItems, encodeNewItems, &SettingsStore::newItems);
  if (!lists) return;
  const auto& [stored, read] = *lists;
  const auto& catalogue = NewItem::builtIns();
  const auto inCatalogue = [&](const NewItem& item) { return std::ranges::count(catalogue, item.id, &NewItem::id) > 0; };
  std::vector<NewItem> kept;
  std::ranges::copy_if(stored, std::back_inserter(kept), [&](const NewItem& i) { return !i.isBuiltIn || inCatalogue(i); });
  require(read.size() >= kept.size() && std::equal(kept.begin(), kept.end(), read.begin()),
          "repairs keep every stored entry the catalogue has, in order");
  for (const auto& entry : catalogue) {
    require(std::ranges::any_of(read, [&](const NewItem& i) { return i.isBuiltIn && i.id == entry.id; }),
            "every built-in is in the repaired list");
  }
  newEntriesMakeOneItemInTheFolder(stored);
}

void sendTo(std::string_view json) {
  const auto lists = storedAndRead(settingsKey::sendTo, json, decodeSendTo, encodeSendTo, &SettingsStore::sendTo);
  if (!lists) return;
  const auto& stored = lists->first;
  const auto& read = lists->second;
  const auto wasStored = [&](const SendToEntry& e) { return std::ranges::count(stored, e.action, &SendToEntry::action) > 0; };
  std::vector<SendToEntry> storedOnes;
  std::ranges::copy_if(read, std::back_inserter(storedOnes), wasStored);
  require(storedOnes == stored, "repairs keep every stored entry, in order");
  for (const auto action : SendToAction::allCases) {
    require(std::ranges::count(read, action, &SendToEntry::action) == std::max<std::ptrdiff_t>(1, std::ranges::count(stored, action, &SendToEntry::action)),
            "a missing action is added once");
  }
}

void openWith(std::string_view json) {
  const auto lists = storedAndRead(settingsKey::openWith, json, decodeOpenWith, encodeOpenWith, &SettingsStore::openWith);
  if (lists) require(lists->second == lists->first, "a stored Open with list is taken as it is");
}

}  // namespace
}  // namespace nimbra::fuzz

// The first byte picks the list.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto json = std::string_view(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 3) {
    case 0: nimbra::fuzz::newItems(json); break;
    case 1: nimbra::fuzz::sendTo(json); break;
    default: nimbra::fuzz::openWith(json); break;
  }
  return 0;
}
