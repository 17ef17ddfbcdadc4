#pragma once
// Scans judge 64 bytes at a time into a 64-bit mask, one bit a byte, the first byte in the lowest
// bit.
#include <cstddef>
#include <cstdint>

constexpr size_t BlockSize = 64;

// Index of the lowest set bit, a 32-bit half at a time; `bits` is not zero.
inline int LowestBitByHalves(std::uint64_t bits) {
    const auto low = static_cast<std::uint32_t>(bits);
    return low != 0 ? __builtin_ctz(low)
                    : 32 + __builtin_ctz(static_cast<std::uint32_t>(bits >> 32));
}

// Index of the lowest set bit; `bits` is not zero. Where a word of 64 bits takes two registers,
// as in the 32-bit DLL, by halves: for the whole word the compiler calls a library routine.
inline int LowestBit(std::uint64_t bits) {
    if constexpr (sizeof(void *) >= sizeof(bits)) {
        return __builtin_ctzll(bits);
    } else {
        return LowestBitByHalves(bits);
    }
}

// The bits below bit `count`, for `count` from 0 to 63.
inline std::uint64_t BitsBelow(std::ptrdiff_t count) { return (std::uint64_t{1} << count) - 1; }
