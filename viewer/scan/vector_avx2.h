#pragma once
// 32 bytes in one AVX2 register. Only code compiled for AVX2 and the bit instructions that come
// with it (POPCNT, BMI1, BMI2) may include this: the kernels of viewer/scan/kernels_avx2.cpp, which
// run only where the processor and the system allow them.
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

namespace avx2 {

inline int CountBits(std::uint64_t bits) { return __builtin_popcountll(bits); }

struct Vector {
    static constexpr size_t Size = 32;

    __m256i Bytes;

    static Vector Load(const char *at) {
        return {_mm256_loadu_si256(reinterpret_cast<const __m256i *>(at))};
    }

    static Vector Splat(char byte) { return {_mm256_set1_epi8(byte)}; }

    static Vector SplatPair(std::uint16_t pair) {
        return {_mm256_set1_epi16(static_cast<short>(pair))};
    }

    Vector operator&(const Vector &other) const { return {_mm256_and_si256(Bytes, other.Bytes)}; }

    Vector operator|(const Vector &other) const { return {_mm256_or_si256(Bytes, other.Bytes)}; }

    Vector Equal(const Vector &other) const { return {_mm256_cmpeq_epi8(Bytes, other.Bytes)}; }

    Vector EqualPairs(const Vector &other) const {
        return {_mm256_cmpeq_epi16(Bytes, other.Bytes)};
    }

    Vector InRange(unsigned char first, unsigned char last) const {
        const __m256i offset = _mm256_sub_epi8(Bytes, _mm256_set1_epi8(static_cast<char>(first)));
        const __m256i span = _mm256_set1_epi8(static_cast<char>(last - first));
        return {_mm256_cmpeq_epi8(_mm256_min_epu8(offset, span), offset)};
    }

    std::uint32_t Bits() const { return static_cast<std::uint32_t>(_mm256_movemask_epi8(Bytes)); }

    bool Any() const { return !_mm256_testz_si256(Bytes, Bytes); }
};

} // namespace avx2
