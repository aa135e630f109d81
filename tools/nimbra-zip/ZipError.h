#pragma once
// Why an archive could not be written.

#include <string>

namespace nimbra::ziptool {

struct ZipError {
  enum class Kind {
    createArchive,  // the archive file could not be created (it exists, or its folder is missing)
    openItem,       // an item of the source could not be opened, examined or listed
    readItem,       // reading a file's content failed
    itemChanged,    // a file shrank or was replaced while it was being archived
    writeArchive,   // writing or closing the archive failed
  };

  Kind kind = Kind::writeArchive;
  std::string path;    // the file-system path concerned
  int code = 0;        // errno value, 0 when there is none
  std::string detail;  // the archive library's own account when it gives no errno

  bool operator==(const ZipError&) const = default;
};

}  // namespace nimbra::ziptool
