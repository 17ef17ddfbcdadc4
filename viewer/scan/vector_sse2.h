#pragma once
// 16 bytes in one SSE2 register: the baseline of every processor the plugin runs on (the 32-bit
// DLL is built for it too).
#include <emmintrin.h>

#include <cstddef>
#include <cstdint>

namespace sse2 {

// The set bits of `bits`: the baseline has no instruction for it.
inline int CountBits(std::uint64_t bits) {
    bits -= (bits >> 1) & 0x5555555555555555ULL;
    bits = (bits & 0x3333333333333333ULL) + ((bits >> 2) & 0x3333333333333333ULL);
    bits = (bits + (bits >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((bits * 0x0101010101010101ULL) >> 56);
}

struct Vector {
    static constexpr size_t Size = 16;

    __m128i Bytes;

    static Vector Load(const char *at) {
        return {_mm_loadu_si128(reinterpret_cast<const __m128i *>(at))};
    }

    static Vector Splat(char byte) { return {_mm_set1_epi8(byte)}; }

    // The two bytes of `pair`, low byte first, in every 16-bit lane.
    static Vector SplatPair(std::uint16_t pair) {
        return {_mm_set1_epi16(static_cast<short>(pair))};
    }

    Vector operator&(const Vector &other) const { return {_mm_and_si128(Bytes, other.Bytes)}; }

    Vector operator|(const Vector &other) const { return {_mm_or_si128(Bytes, other.Bytes)}; }

    // All ones in each byte equal to the other vector's.
    Vector Equal(const Vector &other) const { return {_mm_cmpeq_epi8(Bytes, other.Bytes)}; }

    // All ones in both bytes of each 16-bit lane (even offsets) equal to the other vector's.
    Vector EqualPairs(const Vector &other) const { return {_mm_cmpeq_epi16(Bytes, other.Bytes)}; }

    // All ones in each byte from `first` to `last` inclusive, as unsigned values.
    Vector InRange(unsigned char first, unsigned char last) const {
        const __m128i offset = _mm_sub_epi8(Bytes, _mm_set1_epi8(static_cast<char>(first)));
        const __m128i span = _mm_set1_epi8(static_cast<char>(last - first));
        return {_mm_cmpeq_epi8(_mm_min_epu8(offset, span), offset)};
    }

    // The top bit of each byte, byte i in bit i.
    std::uint32_t Bits() const { return static_cast<std::uint32_t>(_mm_movemask_epi8(Bytes)); }

    bool Any() const { return _mm_movemask_epi8(Bytes) != 0; }
};

} // namespace sse2
