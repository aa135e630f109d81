#pragma once
// The stored JSON forms of the three lists. Writing is compact with keys in
// their fixed order; reading accepts any valid JSON of the shape.

#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "nimbra/NewItem.h"
#include "nimbra/OpenWithEntry.h"
#include "nimbra/SendTo.h"

namespace nimbra {

struct DecodingError : std::exception {
  enum class Kind { dataCorrupted, keyNotFound, typeMismatch, valueNotFound };

  Kind kind;
  std::vector<std::string> codingPath;  // object keys and array indices, outermost first, ending at the bad key
  std::string debugDescription;

  DecodingError(Kind k, std::vector<std::string> path, std::string description)
      : kind(k), codingPath(std::move(path)), debugDescription(std::move(description)) {}
  const char* what() const noexcept override { return debugDescription.c_str(); }
  bool operator==(const DecodingError& o) const {
    return kind == o.kind && codingPath == o.codingPath && debugDescription == o.debugDescription;
  }
};

std::string encodeNewItems(const std::vector<NewItem>& items);
std::string encodeSendTo(const std::vector<SendToEntry>& entries);
std::string encodeOpenWith(const std::vector<OpenWithEntry>& entries);

// Each throws DecodingError; one bad element fails the whole array.
std::vector<NewItem> decodeNewItems(std::string_view json);
std::vector<SendToEntry> decodeSendTo(std::string_view json);
std::vector<OpenWithEntry> decodeOpenWith(std::string_view json);

}  // namespace nimbra
