#pragma once

// std::bit_cast where the standard library has it; the compiler's own
// built-in where it does not (the WebAssembly toolchain's library predates
// it), which is what the library's version is made of anyway.
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace quorvane {

template <typename To, typename From>
constexpr To BitCast(const From& from) noexcept
{
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

}  // namespace quorvane
