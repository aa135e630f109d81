#pragma once

#include <string>

namespace nimbra {

// A random (version 4) UUID in its canonical 36-character upper-case form.
std::string newUUID();

}  // namespace nimbra
