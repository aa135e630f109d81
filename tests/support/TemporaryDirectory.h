#pragma once
// A fresh directory under the system's temporary folder, removed with its contents.

#include "FileTesting.h"

namespace nimbra::testing {

using TemporaryDirectory = TemporaryFolder;

}  // namespace nimbra::testing
