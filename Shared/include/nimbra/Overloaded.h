#pragma once
// One visitor made of several lambdas, for std::visit over the system's variants.

namespace nimbra {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};

}  // namespace nimbra
