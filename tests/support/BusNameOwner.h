#pragma once
// Whether someone owns a name on a test bus now, asked the bus itself with gdbus.

#include <string>

#include "ChildProcess.h"

namespace nimbra::testing {

inline bool busNameHasOwner(const std::string& busAddress, const std::string& name) {
  return runProgram({"gdbus", "call", "--address", busAddress, "--dest", "org.freedesktop.DBus", "--object-path",
                     "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.NameHasOwner", name})
             .out == "(true,)\n";
}

}  // namespace nimbra::testing
