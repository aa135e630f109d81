// The template sheet's checks on what a user types: an extension either validates to
// a name part that is safe in a file name or is refused, and the template warning
// never depends on anything but the text and the extension.

#include "FuzzSupport.h"
#include "nimbra/NewItem.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace nimbra;
  const auto input = std::string_view(reinterpret_cast<const char*>(data), size);
  // The first line is the extension, the rest the template.
  const auto split = std::min(input.find('\n'), input.size());
  const auto ext = input.substr(0, split);
  const auto text = input.substr(std::min(split + 1, input.size()));
  const auto validated = NewItem::validateExtension(ext);
  if (const auto* accepted = std::get_if<std::string>(&validated)) {
    fuzz::require(!accepted->empty() && accepted->size() <= 16, "an accepted extension has 1 to 16 characters");
    fuzz::require(accepted->find_first_of(std::string_view("/\0", 2)) == std::string::npos && *accepted != "." &&
                      *accepted != "..",
                  "an accepted extension is safe in a file name");
    fuzz::require(NewItem::validateExtension(*accepted) == validated, "an accepted extension validates to itself");
  }
  fuzz::require(NewItem::checkTemplate(text, ext) == NewItem::checkTemplate(std::string(text), std::string(ext)),
                "the template warning depends on the text and the extension only");
  return 0;
}
