#pragma once
// 64 bytes as two 32-byte AVX2 vectors. Only code compiled for AVX2 and the bit instructions that
// come with it (POPCNT, BMI1, BMI2) may include this: the kernels of viewer/kernels_avx2.cpp,
// which run only where the processor and the system allow them.
#include <immintrin.h>

#include <cstdint>

namespace avx2 {

inline int CountBits(std::uint64_t bits) { return __builtin_popcountll(bits); }

struct Block {
    __m256i Part[2];

    static Block Load(const char *at) {
        return {{_mm256_loadu_si256(reinterpret_cast<const __m256i *>(at)),
                 _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + 32))}};
    }

    static Block Splat(char byte) {
        const __m256i part = _mm256_set1_epi8(byte);
        return {{part, part}};
    }

    static Block SplatPair(std::uint16_t pair) {
        const __m256i part = _mm256_set1_epi16(static_cast<short>(pair));
        return {{part, part}};
    }

    Block operator&(const Block &other) const {
        return {
            {_mm256_and_si256(Part[0], other.Part[0]), _mm256_and_si256(Part[1], other.Part[1])}};
    }

    Block operator|(const Block &other) const {
        return {{_mm256_or_si256(Part[0], other.Part[0]), _mm256_or_si256(Part[1], other.Part[1])}};
    }

    Block Equal(const Block &other) const {
        return {
            {_mm256_cmpeq_epi8(Part[0], other.Part[0]), _mm256_cmpeq_epi8(Part[1], other.Part[1])}};
    }

    Block EqualPairs(const Block &other) const {
        return {{_mm256_cmpeq_epi16(Part[0], other.Part[0]),
                 _mm256_cmpeq_epi16(Part[1], other.Part[1])}};
    }

    Block InRange(unsigned char first, unsigned char last) const {
        const __m256i low = _mm256_set1_epi8(static_cast<char>(first));
        const __m256i span = _mm256_set1_epi8(static_cast<char>(last - first));
        const __m256i offset0 = _mm256_sub_epi8(Part[0], low);
        const __m256i offset1 = _mm256_sub_epi8(Part[1], low);
        return {{_mm256_cmpeq_epi8(_mm256_min_epu8(offset0, span), offset0),
                 _mm256_cmpeq_epi8(_mm256_min_epu8(offset1, span), offset1)}};
    }

    std::uint64_t Bits() const {
        return static_cast<std::uint32_t>(_mm256_movemask_epi8(Part[0])) |
               static_cast<std::uint64_t>(static_cast<std::uint32_t>(_mm256_movemask_epi8(Part[1])))
                   << 32;
    }

    bool Any() const {
        const __m256i any = _mm256_or_si256(Part[0], Part[1]);
        return !_mm256_testz_si256(any, any);
    }
};

} // namespace avx2
