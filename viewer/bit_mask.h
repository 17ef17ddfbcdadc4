#pragma once
// Scans judge 64 bytes at a time into a 64-bit mask, one bit a byte, the first byte in the lowest
// bit.
#include <cstddef>
#include <cstdint>

constexpr size_t BlockSize = 64;

// Index of the lowest set bit; `bits` is not zero.
inline int LowestBit(std::uint64_t bits) { return __builtin_ctzll(bits); }

// The bits below bit `count`, for `count` from 0 to 63.
inline std::uint64_t BitsBelow(std::ptrdiff_t count) { return (std::uint64_t{1} << count) - 1; }
