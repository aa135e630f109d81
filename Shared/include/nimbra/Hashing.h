#pragma once
// Member-wise hashing for the model's value types.

#include <cstddef>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace nimbra {

inline void hashCombine(std::size_t& seed, std::size_t value) {
  seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

template <class... Ts>
std::size_t hashAll(const Ts&... values) {
  std::size_t seed = 0;
  (hashCombine(seed, std::hash<Ts>{}(values)), ...);
  return seed;
}

}  // namespace nimbra

template <class T>
struct std::hash<std::vector<T>> {
  std::size_t operator()(const std::vector<T>& values) const noexcept {
    std::size_t seed = values.size();
    for (const auto& v : values) nimbra::hashCombine(seed, std::hash<T>{}(v));
    return seed;
  }
};
