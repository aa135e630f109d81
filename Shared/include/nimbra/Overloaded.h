#pragma once
// One visitor made of several lambdas, for std::visit over the system's variants.

namespace nimbra {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};
// Spelled out for compilers without aggregate deduction (clang 14, for the fuzz build).
template <class... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

}  // namespace nimbra
