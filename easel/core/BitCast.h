// A value's bits as another type of the same size, as std::bit_cast gives
// them; the libc++ of Debian's emscripten (3.1.6) has no std::bit_cast, and
// both compilers have the builtin it is made of.
#ifndef EASEL_CORE_BITCAST_H
#define EASEL_CORE_BITCAST_H

#include <type_traits>

namespace easel {

template <typename To, typename From>
constexpr To bitCast(const From& from) noexcept {
  static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>);
  return __builtin_bit_cast(To, from);
}

}  // namespace easel

#endif
