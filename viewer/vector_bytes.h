#pragma once
// Sixteen bytes at a time with SSE2, the baseline of every processor the plugin runs on (the
// 32-bit DLL is built for it too). Callers load only bytes that belong to the text.
#include <emmintrin.h>
#include <immintrin.h>

#include <cstddef>
#include <cstdint>

constexpr size_t VectorSize = 16;

// The bytes one 64-bit mask covers, one bit a byte: the step of the scans.
constexpr size_t BlockSize = 64;

inline __m128i LoadBytes(const char *at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
}

inline __m128i Broadcast(char byte) { return _mm_set1_epi8(byte); }

// One bit a byte, the first byte in the lowest bit.
inline std::uint32_t BitsOf(__m128i bytes) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(bytes));
}

// All ones in the bytes from `first` to `last` inclusive, as unsigned values.
inline __m128i InRange(__m128i bytes, unsigned char first, unsigned char last) {
    const __m128i offset = _mm_sub_epi8(bytes, Broadcast(static_cast<char>(first)));
    const __m128i limit = Broadcast(static_cast<char>(last - first));
    return _mm_cmpeq_epi8(_mm_min_epu8(offset, limit), offset);
}

// Index of the lowest set bit; `bits` is not zero.
inline int LowestBit(std::uint64_t bits) { return __builtin_ctzll(bits); }

// Whether the scans may use 32-byte vectors (AVX2): when the processor has them and the switch
// below allows it. Only code compiled for AVX2, behind this check, may use the Wide functions.
bool UseWideVectors();

// On unless a test clears it, to try the 16-byte baseline on any processor.
extern bool WideVectors;

__attribute__((target("avx2"))) inline __m256i LoadWide(const char *at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at));
}

__attribute__((target("avx2"))) inline std::uint32_t WideBitsOf(__m256i bytes) {
    return static_cast<std::uint32_t>(_mm256_movemask_epi8(bytes));
}
